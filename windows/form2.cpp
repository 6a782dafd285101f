#include "form2.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

#include "accessibility.h"
#include "engine/fault.h"
#include "engine/texts.h"
#include "form1.h"
#include "title_strip.h"
#include "frame/guard.h"
#include "frame/ink.h"
#include "frame/main_module.h"

namespace windows {

namespace {
using frame::Guard;
namespace where = frame::where;


const QColor kRightTint(200, 240, 200);
const QColor kWrongTint(250, 210, 210);
// The same greens and reds for a list that the desktop draws dark.

const QColor kRightTintDark(30, 85, 30);
const QColor kWrongTintDark(100, 35, 35);
constexpr int kProblemColumn = 1;
constexpr int kVerdictColumn = 4;

// A problem reads left to right in a right-to-left list as well. There its
// line runs right to left, and the numbers carry the spaces and the sign
// between them along: "7 + 9" would show as "9 + 7". A left-to-right mark in
// front makes the problem a left-to-right run, which still stands at the
// column's leading edge. Only the drawing gets the mark; the cell's text, which
// the game and a screen reader read, stays as the game set it.
class ProblemCells final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->direction == Qt::RightToLeft && !option->text.isEmpty())
            option->text.prepend(QChar(0x200E));
    }
};

// The faults of the list, as the error report words them.
const char* const kOutOfBounds = QT_TRANSLATE_NOOP("Error report", "Index out of bounds");
const char* const kNotSet = QT_TRANSLATE_NOOP("Error report", "Object variable not set");
}  // namespace

Form2::Form2(Form1& main, const frame::Seams& seams)
    : QWidget(nullptr), main_(main), seams_(seams), pointer_(this) {
    setObjectName(QStringLiteral("Form2"));
    setUpFixedWindow(this, 9000, 4845, {});
    setWindowTitle(tr("Summary"));

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setFont(fontOf("Arial", 12, true));
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAlternatingRowColors(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setColumnCount(0);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setStretchLastSection(false);
    ListView1->viewport()->setMouseTracking(true);
    ListView1->setItemDelegateForColumn(kProblemColumn, new ProblemCells(ListView1));
    placeTwips(ListView1, 120, 600, 8760, 3615);

    Label1 = new QLabel(gameText(engine::texts::kQuestion).arg(QString()), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(fontOf("Arial", 14.25, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFrameShape(QFrame::Box);
    Label1->setFrameShadow(QFrame::Plain);
    Label1->setAutoFillBackground(false);
    placeTwips(Label1, 120, 120, 8775, 375);

    PushButton8 = new PushButton(tr("Play Again"), this);
    PushButton8->setObjectName(QStringLiteral("PushButton8"));
    PushButton8->setFont(fontOf("Arial", 11.25, true));
    placeTwips(PushButton8, 120, 4320, 4320, 405);

    PushButton1 = new PushButton(tr("Exit Application"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setFont(fontOf("Arial", 11.25, true));
    placeTwips(PushButton1, 4560, 4320, 4320, 405);

    QWidget::setTabOrder(ListView1, PushButton8);
    QWidget::setTabOrder(PushButton8, PushButton1);

    connect(PushButton8, &PushButton::clickEvent, this, &Form2::PushButton8_Click);
    connect(PushButton1, &PushButton::clickEvent, this, &Form2::PushButton1_Click);
    for (PushButton* b : {PushButton8, PushButton1})
        connect(b, &PushButton::mouseMoved, this,
                [this] { pointer_.moveOver(frame::PointerMode::Custom); });
    ListView1->viewport()->installEventFilter(this);

    addTitleStripOnWayland(this, false);
    centreOnScreen(this);
    describeSummaryWindow(*this, ListView1, Label1, PushButton8, PushButton1);
}

void Form2::Form_Load() {
    Guard::run(where::kForm2Load, seams_.boxes, seams_.ending, [&](Guard& g) {
        g.step(100, [&] {
            frame::systemColourPass(this);
            frame::inkOn(Label1, QPalette::WindowText, palette().color(QPalette::Window));
        });
        g.step(102, [&] { setWindowIcon(applicationIcon()); });
        const QString hand = frame::handPointerPath(seams_.appFolder);
        if (g.test(104, [&] { return frame::FileExists(hand); }))
            g.step(106, [&] { pointer_.setCustomImage(frame::loadHandPointer(hand)); });
        const std::array<QString, 5> headers{tr("No."), tr("Math problems"), tr(" Your Answer"),
                                             tr("Correct Answer"), tr("Result")};
        for (int i = 0; i < 5; ++i)
            g.step(108 + 2 * i, [&] { addColumn(headers[i]); });
        constexpr std::array<int, 5> widths{1000, 2000, 2000, 2000, 1500};
        for (int i = 0; i < 5; ++i)
            g.step(118 + 2 * i, [&] {
                if (i >= ListView1->columnCount()) throw engine::Fault(kOutOfBounds);
                ListView1->setColumnWidth(i, twips(widths[i]));
            });
    });
}

void Form2::addColumn(const QString& header) {
    const int n = ListView1->columnCount();
    ListView1->setColumnCount(n + 1);
    ListView1->headerItem()->setText(n, header);
    ListView1->headerItem()->setTextAlignment(n, Qt::AlignLeft | Qt::AlignVCenter);
}

engine::SummaryRow Form2::addRow(std::string_view number) {
    auto* item = new QTreeWidgetItem(ListView1, QStringList{qs(number)});
    describeSummaryCell(ListView1, item, 0);
    // Scrolling lays out every row of the list. The rows arrive while the
    // window is hidden, where that would make each row cost as much as all
    // the rows before it; the newest row is brought into view on showing.
    if (isVisible())
        ListView1->scrollToItem(item);
    else
        scrollToNewest_ = true;
    return {ListView1->topLevelItemCount() - 1, generation_};
}

void Form2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Every showing opens on the list, as the first does: a screen reader
    // then says the score line and the first row, not the button pressed
    // last time.
    if (!event->spontaneous()) ListView1->setFocus(Qt::OtherFocusReason);
    if (!scrollToNewest_) return;
    scrollToNewest_ = false;
    if (const int n = ListView1->topLevelItemCount()) ListView1->scrollToItem(ListView1->topLevelItem(n - 1));
}

void Form2::setCell(const engine::SummaryRow& row, int index, std::string_view text) {
    if (row.index < 0) throw engine::Fault(kNotSet);
    if (index < 1 || index >= ListView1->columnCount()) throw engine::Fault(kOutOfBounds);
    // A row the list has since dropped is no longer anywhere to be seen.
    if (row.generation != generation_) return;
    QTreeWidgetItem* item = ListView1->topLevelItem(int(row.index));
    const QString shown = qs(text);
    item->setText(index, shown);
    describeSummaryCell(ListView1, item, index);
    if (index == kVerdictColumn) {
        // The tint helps a child find the wrong answers; the word still says it.
        const bool right = shown == gameText(engine::texts::kCorrect);
        if (right || shown == gameText(engine::texts::kWrong)) {
            const QPalette& pal = ListView1->palette();
            const bool darkList = frame::contrast(pal.color(QPalette::Base), Qt::black) <
                                  frame::contrast(pal.color(QPalette::Base), Qt::white);
            const QColor tint = right ? (darkList ? kRightTintDark : kRightTint)
                                      : (darkList ? kWrongTintDark : kWrongTint);
            item->setBackground(index, tint);
            item->setForeground(
                index, frame::readableOn(tint, {pal.color(QPalette::Text)}, frame::kTextContrast));
        }
    }
}

void Form2::setScoreLine(std::string_view text) {
    Label1->setText(qs(text));
    describeScoreLine(ListView1, Label1->text());
}

void Form2::clear() {
    // Freeing the rows of a long game takes longer than the new game should
    // wait for: they leave the list at once and are freed in small batches
    // once the main window is back.
    const bool freeing = !discarded_.empty();
    for (QTreeWidgetItem* item : ListView1->invisibleRootItem()->takeChildren())
        discarded_.emplace_back(item);
    ++generation_;
    if (!freeing && !discarded_.empty()) QTimer::singleShot(0, this, &Form2::freeDiscardedRows);
}

void Form2::PushButton8_Click() {
    Guard::run(where::kForm2PlayAgain, seams_.boxes, seams_.ending, [&](Guard& g) {
        main_.resetGame(g);
        g.step(108, [&] { clear(); });
        g.step(110, [&] { hide(); });
        g.step(112, [&] { main_.show(); });
    });
}

void Form2::freeDiscardedRows() {
    constexpr std::size_t kBatch = 1000;
    discarded_.resize(discarded_.size() - std::min(kBatch, discarded_.size()));
    if (!discarded_.empty()) QTimer::singleShot(0, this, &Form2::freeDiscardedRows);
}

void Form2::PushButton1_Click() {
    Guard::run(where::kForm2Exit, seams_.boxes, seams_.ending,
               [&](Guard& g) { g.step(100, [&] { seams_.ending.end(); }); });
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Form2::Form_Unload() { seams_.ending.end(); }

void Form2::mouseMoveEvent(QMouseEvent* event) {
    if (onBackground(this, event)) pointer_.moveOver(frame::PointerMode::Default);
    QWidget::mouseMoveEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched == ListView1->viewport())
        pointer_.moveOver(frame::PointerMode::Default);
    return false;
}

}  // namespace windows
