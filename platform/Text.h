#pragma once

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <utility>

// A text a person reads, kept in a table of texts: its English source, looked up in the
// program's translation (QCoreApplication::translate) each time it is used as a QString. The
// source is marked with QT_TRANSLATE_NOOP under the table's context, so that lupdate finds it:
//
//     using Text = kbs::Text<"kbs::mainText">;
//     inline constexpr Text Save{QT_TRANSLATE_NOOP("kbs::mainText", "Save")};
namespace kbs {

template <std::size_t N>
struct TextContext {
    char name[N];
    constexpr TextContext(const char (&s)[N]) { std::copy_n(s, N, name); }
};

template <TextContext Context>
struct Text {
    const char* source;

    // The text in the program's language.
    QString str() const { return QCoreApplication::translate(Context.name, source); }
    operator QString() const { return str(); }

    template <typename... Args>
    QString arg(Args&&... args) const {
        return str().arg(std::forward<Args>(args)...);
    }
    static constexpr bool isText = true;

    template <typename T>
    friend QString operator+(const Text& a, const T& b) {
        return a.str() + b;
    }
    template <typename T>
    requires(!requires { T::isText; }) friend QString operator+(const T& a, const Text& b) {
        return a + b.str();
    }
    friend bool operator==(const Text& a, const QString& b) { return a.str() == b; }
};

// A source text of a table marked with QT_TRANSLATE_NOOP, in the program's language.
inline QString translated(const char* context, const char* source) {
    return source ? QCoreApplication::translate(context, source) : QString();
}

}  // namespace kbs
