#include "render/Fuente.h"

#include "report/Pagina.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace render {

namespace {

constexpr int32_t TwipsPorPunto = 20;

// Registers the metric twin's files with the application once, so the font is the same whatever
// the system's font configuration resolves the page family to.
QString CargaFamilia() {
    QString familia;
    for (bool negrita : {false, true}) {
        const int id = QFontDatabase::addApplicationFont(ArchivoFuente(negrita));
        const QStringList familias = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (familia.isEmpty() && !familias.isEmpty()) familia = familias.first();
    }
    const QString pagina = QString::fromUtf16(report::FamiliaFuente);
    if (familia.isEmpty()) return pagina;  // not installed: whatever the system offers for it
    QFont::insertSubstitution(pagina, familia);
    return familia;
}

}  // namespace

QString ArchivoFuente(bool negrita) {
    return QDir(QStringLiteral(ZR_CARPETA_FUENTES))
        .filePath(negrita ? QStringLiteral("LiberationSans-Bold.ttf") : QStringLiteral("LiberationSans-Regular.ttf"));
}

QString FamiliaReal() {
    static const QString familia = CargaFamilia();
    return familia;
}

QFont FuentePagina(int32_t puntos, bool negrita) {
    QFont fuente;
    fuente.setFamilies({FamiliaReal(), QString::fromUtf16(report::FamiliaFuente)});
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPixelSize(std::max(1, puntos * TwipsPorPunto));
    fuente.setBold(negrita);
    fuente.setKerning(false);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    return fuente;
}

}  // namespace render
