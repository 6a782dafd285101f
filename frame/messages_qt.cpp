#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace frame {

void ModalMessageBoxes::show(const Message& message) {
    // The report keeps its CR LF and bare CRs; a Qt label wants plain line feeds.
    QString shown = message.text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar('\r'), QChar('\n'));
    QMessageBox box(message.icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                             : QMessageBox::NoIcon,
                    message.title, shown, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace frame
