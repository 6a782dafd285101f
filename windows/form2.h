#pragma once

#include <QLabel>
#include <QTreeWidget>
#include <QWidget>
#include <memory>
#include <vector>

#include "controls.h"
#include "engine/board.h"
#include "frame/pointer.h"
#include "frame/seams.h"

namespace windows {

class Form1;

// The summary window: one row per judged problem of the current game and the
// score line above them. Created hidden on first use and kept for the run.
// The game reaches it only as its list.
class Form2 final : public QWidget, public engine::SummaryList {
    Q_OBJECT
public:
    Form2(Form1& main, const frame::Seams& seams);

    void Form_Load();
    void PushButton8_Click();  // Play Again
    void PushButton1_Click();  // Exit Application

    engine::SummaryRow addRow(std::string_view number) override;
    void setCell(const engine::SummaryRow& row, int column, std::string_view text) override;
    void setScoreLine(std::string_view text) override;
    // Empties the list at once; the rows are freed a batch at a time.
    void clear();
    int rowCount() const { return ListView1->topLevelItemCount(); }

    frame::WindowPointer& pointer() { return pointer_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* ListView1;
    QLabel* Label1;
    PushButton* PushButton8;
    PushButton* PushButton1;

    void addColumn(const QString& header);
    void freeDiscardedRows();
    void Form_Unload();

    Form1& main_;
    frame::Seams seams_;
    frame::WindowPointer pointer_;
    std::uint64_t generation_ = 1;
    bool scrollToNewest_ = false;
    // Rows Play Again took out of the list, freed a batch at a time.
    std::vector<std::unique_ptr<QTreeWidgetItem>> discarded_;
};

}  // namespace windows
