#pragma once
// Failure of the demo generator (bad table data, a file that cannot be written, a database error).
#include <QString>
#include <stdexcept>

namespace demo {

class ErrorDemo : public std::runtime_error {
public:
    explicit ErrorDemo(const QString& mensaje)
        : std::runtime_error(mensaje.toStdString()), mensaje_(mensaje) {}
    const QString& mensaje() const noexcept { return mensaje_; }

private:
    QString mensaje_;
};

}  // namespace demo
