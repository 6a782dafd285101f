#pragma once

#include <QLabel>
#include <QTreeWidget>
#include <QWidget>
#include <memory>
#include <vector>

#include "controls.h"
#include "frame/pointer.h"
#include "frame/seams.h"
#include "summary_row.h"

namespace windows {

class Form1;

// The summary window: one row per judged problem of the current game and the
// score line above them. Created hidden on first use and kept for the run.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    Form2(Form1& main, const frame::Seams& seams);

    void Form_Load();
    void PushButton8_Click();  // Play Again
    void PushButton1_Click();  // Exit Application

    // The list's item collection as the judgement uses it.
    SummaryRow addRow(const QString& text);
    void setSubItem(const SummaryRow& row, int index, const QString& text);
    int rowCount() const { return ListView1->topLevelItemCount(); }

    frame::WindowPointer& pointer() { return pointer_; }

    QTreeWidget* ListView1;
    QLabel* Label1;
    PushButton* PushButton8;
    PushButton* PushButton1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
