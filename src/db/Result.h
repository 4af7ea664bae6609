#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <utility>

// Why an operation failed: the message to show the user (empty when the database's error says
// it all) and the database's own error text (empty when the operation refused its input).
struct Failure {
    QString message;
    QString dbError;

    // What the user is shown: the message, the database's error, or both on two lines.
    QString text() const {
        if (message.isEmpty()) {
            return dbError;
        }
        return dbError.isEmpty() ? message : message + u'\n' + dbError;
    }
};

// The result of an operation that can fail: a value, or the failure. A failure never stands for
// a value ("nothing", 0, an empty list); callers look at ok() before they read value().
template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    // The value; reading the value of a failed result stops the program with its failure.
    const T& value() const& {
        check();
        return *value_;
    }
    T& value() & {
        check();
        return *value_;
    }
    T&& value() && {
        check();
        return std::move(*value_);
    }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    const Failure& failure() const { return failure_; }
    QString errorText() const { return failure_.text(); }

  private:
    void check() const {
        if (!value_) {
            qFatal("Result: the value of a failed result was read: %s",
                   qPrintable(failure_.text()));
        }
    }

    std::optional<T> value_;
    Failure failure_;
};

// The result of an operation that gives no value: a default-constructed Result<void> (`return
// {};`) is success.
template <>
class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Failure failure) : ok_(false), failure_(std::move(failure)) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Failure& failure() const { return failure_; }
    QString errorText() const { return failure_.text(); }

  private:
    bool ok_ = true;
    Failure failure_;
};
