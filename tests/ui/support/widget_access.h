// Reaching a window's widgets by object name, as the window tests do throughout.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace velmoro::testing {

template <typename T>
T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(name);
    if (!child) qFatal("no child %s", name);
    return child;
}

inline void Click(QWidget* window, const char* name) {
    QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

inline void Type(QWidget* window, const char* field, const QString& text) {
    auto* edit = Child<QLineEdit>(window, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

}  // namespace velmoro::testing
