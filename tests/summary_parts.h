#pragma once

// The summary window keeps its controls to itself; tests, the random player
// and the tools look at them by the names a player's tools see too.

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
    return s->findChild<windows::PushButton*>(QStringLiteral("PushButton8"), Qt::FindDirectChildrenOnly);
}
// Exit Application.
inline windows::PushButton* PushButton1(const windows::Form2* s) {
    return s->findChild<windows::PushButton*>(QStringLiteral("PushButton1"), Qt::FindDirectChildrenOnly);
}

}  // namespace parts
