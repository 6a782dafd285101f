#pragma once

// The summary window keeps its controls to itself; whatever runs the game in
// a rig looks at them by their names, as a screen reader or xdotool would.

#include <QLabel>
#include <QTreeWidget>

#include "windows/controls.h"
#include "windows/form2.h"

namespace parts {

inline QTreeWidget* ListView1(const windows::Form2* s) {
    return s->findChild<QTreeWidget*>(QStringLiteral("ListView1"), Qt::FindDirectChildrenOnly);
}
inline QLabel* Label1(const windows::Form2* s) {
    return s->findChild<QLabel*>(QStringLiteral("Label1"), Qt::FindDirectChildrenOnly);
}
// Play Again.
inline windows::PushButton* PushButton8(const windows::Form2* s) {
    return s->findChild<windows::PushButton*>(QStringLiteral("PushButton8"),
                                              Qt::FindDirectChildrenOnly);
}
// Exit Application.
inline windows::PushButton* PushButton1(const windows::Form2* s) {
    return s->findChild<windows::PushButton*>(QStringLiteral("PushButton1"),
                                              Qt::FindDirectChildrenOnly);
}

}  // namespace parts
