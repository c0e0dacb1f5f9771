#include "Documento.h"

namespace prueba {

std::vector<Renglon> Textos(const report::Documento& doc) {
    std::vector<Renglon> r;
    for (size_t p = 0; p < doc.size(); ++p)
        for (const auto& registro : doc[p])
            if (const auto* t = std::get_if<report::Texto>(&registro)) r.push_back({static_cast<int>(p) + 1, *t});
    return r;
}

std::vector<Renglon> Busca(const report::Documento& doc, const QString& texto) {
    std::vector<Renglon> r;
    for (const Renglon& t : Textos(doc))
        if (t.texto.texto == texto) r.push_back(t);
    return r;
}

QStringList EnLinea(const report::Documento& doc, int pagina, int y) {
    QStringList r;
    for (const Renglon& t : Textos(doc))
        if (t.pagina == pagina && t.texto.y == y) r << t.texto.texto;
    return r;
}

QString Rasgos(const report::Documento& doc, const QString& texto) {
    const auto r = Busca(doc, texto);
    if (r.size() != 1) return QStringLiteral("%1 records").arg(r.size());
    const report::Texto& t = r.front().texto;
    return QStringLiteral("p%1 %2,%3 a%4 s%5 n%6 c%7")
        .arg(r.front().pagina).arg(t.x).arg(t.y).arg(t.alineacion).arg(t.tamano).arg(int(t.negrita)).arg(t.color);
}

}  // namespace prueba
