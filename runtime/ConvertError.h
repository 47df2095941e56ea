#pragma once
#include <QString>
#include <stdexcept>

// A conversion or file failure that ends the current handler; caught once by the window and shown to the user.
class ConvertError : public std::runtime_error
{
public:
    explicit ConvertError(const QString& message) : std::runtime_error(message.toStdString()), text(message) {}
    QString text;
};
