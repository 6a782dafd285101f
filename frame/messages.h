#pragma once

#include <QString>
#include <vector>

namespace frame {

inline const QString kProductName = QStringLiteral("Quillory");

enum class MessageIcon { None, Exclamation };

struct Message {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
};

// Every message box of the game goes through here. The program shows a modal
// box with one OK button; tests record the box and return at once, so that no
// test ever waits on a modal loop.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const Message& message) = 0;

    // A warning to the player: one OK button, the product name as title.
    void warn(const QString& text) { show({kProductName, text, MessageIcon::None}); }
};

class ModalMessageBoxes final : public MessageBoxes {
public:
    void show(const Message& message) override;
};

class RecordedMessageBoxes final : public MessageBoxes {
public:
    void show(const Message& message) override { shown.push_back(message); }
    std::vector<Message> shown;
};

}  // namespace frame
