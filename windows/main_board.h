#pragma once

#include <QWidget>
#include <array>

#include "engine/board.h"

namespace windows {

class Form1;

// The main window as the game sees it: its controls by what they are for,
// its error guard and its way to the summary. Made once the controls stand.
class MainBoard final : public engine::Board, public engine::Guards {
public:
    explicit MainBoard(Form1& form);

    using engine::Board::words;
    std::string words(std::string_view source, std::initializer_list<long long> numbers) const override;
    bool ticked(engine::Control box) const override;
    bool enabled(engine::Control c) const override;
    void setEnabled(engine::Control c, bool enabled) override;
    bool shown(engine::Control c) const override;
    void setShown(engine::Control c, bool shown) override;
    std::string text(engine::Control c) const override;
    void setText(engine::Control c, std::string_view text) override;
    void clear(engine::Control c) override;
    void focus(engine::Control c) override;
    void setCountdownLength(int seconds) override;
    void setCountdown(int secondsGone) override;
    void startClock() override;
    void stopClock() override;
    void warn(std::string_view text) override;
    void letWaitingEventsRun() override;
    void pointerAtRest() override;
    engine::SummaryList& summary() override;
    void problemJudged() override;
    void timeIsOver() override;

    void run(engine::Procedure procedure, engine::FunctionRef<void(engine::Steps&)> body) override;
    bool ended() const override;
    bool reportOpen() const override;

private:
    QWidget* widget(engine::Control c) const { return widgets_[static_cast<std::size_t>(c)]; }

    Form1& form_;
    std::array<QWidget*, static_cast<std::size_t>(engine::Control::DivisionPicture) + 1> widgets_;
};

}  // namespace windows
