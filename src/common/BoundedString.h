#pragma once
// A text of at most N characters: assigning a longer text keeps its first N
// characters (characters, not bytes: Cyrillic letters count one each).

#include <QString>

template <int N> class BoundedString {
public:
    static constexpr int capacity = N;

    BoundedString() = default;
    BoundedString(const QString& text) : text_(text.left(N)) {}
    BoundedString(const char* utf8) : BoundedString(QString::fromUtf8(utf8)) {}

    BoundedString& operator=(const QString& text) {
        text_ = text.left(N);
        return *this;
    }

    const QString& str() const { return text_; }
    operator const QString&() const { return text_; }
    bool isEmpty() const { return text_.isEmpty(); }
    qsizetype size() const { return text_.size(); }

    friend bool operator==(const BoundedString& a, const QString& b) { return a.text_ == b; }

private:
    QString text_;
};
