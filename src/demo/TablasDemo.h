#pragma once
// The generator's word lists and fixed rows (data/demo.txt): [section] headers, rows of fields
// separated by "|", "~" for NULL.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace demo {

class TablasDemo {
public:
    static TablasDemo Lee(const QByteArray& texto);
    static const TablasDemo& DelSistema();

    // Rows of a section; ErrorDemo when the section is missing or a row has another field count.
    const QList<QStringList>& Filas(const QString& seccion, int campos) const;
    // One-field section as a list of words.
    QStringList Lista(const QString& seccion) const;

private:
    QHash<QString, QList<QStringList>> secciones_;
};

}  // namespace demo
