#pragma once

namespace frame {

// Ending the application at once: once end() has been called no further step
// of any procedure runs. The program's ending leaves the process there and
// then; a test's ending only records it, and the guards stop every procedure
// that is still on the stack.
class Ending {
public:
    virtual ~Ending() = default;
    void end() {
        ended_ = true;
        finish();
    }
    bool ended() const { return ended_; }

protected:
    virtual void finish() {}

private:
    bool ended_ = false;
};

class ProcessEnding final : public Ending {
protected:
    void finish() override;
};

}  // namespace frame
