#pragma once

#include <QString>
#include <exception>
#include <string>

namespace kbs {

// The one error type of the program: a number, the source that raised it and a description.
// Every failing operation throws it.
class AppError : public std::exception {
public:
    AppError(int number, QString source, QString description)
        : m_number(number),
          m_source(std::move(source)),
          m_description(std::move(description)),
          m_what(m_description.toStdString()) {}

    int number() const noexcept { return m_number; }
    const QString& source() const noexcept { return m_source; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_source;
    QString m_description;
    std::string m_what;
};

// Error numbers shared across the program.
namespace err {
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int FileNotFound = 53;
inline constexpr int PathFileAccess = 75;
inline constexpr int InvalidPicture = 481;
inline constexpr int OutOfMemory = 7;
inline constexpr int CancelSelected = 32755;
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int ItemNotFound = 3265;
inline constexpr int ObjectClosed = 3704;
inline constexpr int OperationNotAllowed = 3219;
inline constexpr int MultipleStepErrors = -2147217887;
inline constexpr int EngineError = -2147467259;
// Another program deleted the record that an update or a delete was to act on.
inline constexpr int DeletedElsewhere = -2147217864;
inline constexpr int LegacyCatalogue = 3343;
// Control arrays (the pick menus' entry arrays).
inline constexpr int NoSuchArrayElement = 340;
inline constexpr int AlreadyLoaded = 360;
inline constexpr int CannotUnloadDesignTime = 362;
}  // namespace err

}  // namespace kbs
