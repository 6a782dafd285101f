#include "support.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTreeWidget>
#include <QtEndian>

namespace testing_support {

void Game::key(int qtKey, Qt::KeyboardModifiers mods) {
    QWidget* target = form1->focusWidget();
    if (!target) target = form1.get();
    QTest::keyClick(target, Qt::Key(qtKey), mods);
}

void Game::type(const QString& text) {
    for (QChar c : text) {
        QWidget* target = form1->focusWidget();
        if (!target) target = form1.get();
        QTest::keyClick(target, c.toLatin1());
    }
}

void Game::tick() { form1->Timer1_Timer(); }

void Game::click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center()); }

void Game::answer(bool right) {
    const int correct = form1->game().correctAnswer();
    type(QString::number(right ? correct : correct + 1));
    enter();
}

void Game::writeFile(const QString& relative, const QByteArray& bytes) {
    const QString path = dir.filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(bytes);
}

QByteArray cursorFile(int hotX, int hotY) {
    // Encode a 32x32 picture as an icon, then turn its header into a cursor's.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int i = 4; i < 28; ++i) image.setPixelColor(i, 16, Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "ico");
    if (bytes.size() < 22) return bytes;
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(quint16(hotX), bytes.data() + 10);
    qToLittleEndian<quint16>(quint16(hotY), bytes.data() + 12);
    return bytes;
}

std::vector<std::string> texts(const frame::RecordedMessageBoxes& boxes) {
    std::vector<std::string> out;
    for (const auto& m : boxes.shown) out.push_back(m.text.toStdString());
    return out;
}

QStringList rowCells(const windows::Form2* summary, int row) {
    if (!summary || row < 0 || row >= summary->rowCount()) return {};
    const QTreeWidgetItem* item = parts::ListView1(summary)->topLevelItem(row);
    QStringList cells;
    for (int c = 0; c < 5; ++c) cells << item->text(c);
    return cells;
}

}  // namespace testing_support
