#pragma once

#include <QString>
#include <stdexcept>

// An error that a handler reports to the user in a message box (see Guard.h).
class QorError : public std::runtime_error
{
public:
    explicit QorError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A file that cannot be read, created or written.
class FileError : public QorError
{
public:
    using QorError::QorError;
};

// Text that is not a number where a number is needed.
class ConvertError : public QorError
{
public:
    using QorError::QorError;
};
