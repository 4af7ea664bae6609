#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

// The child of `parent` with object name `name`; a test failure (and null) when there is none.
template <class W>
W* child(QObject* parent, const char* name) {
    auto* found = parent->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

template <class W>
W* child(QObject& parent, const char* name) {
    return child<W>(&parent, name);
}
