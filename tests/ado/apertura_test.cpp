// Opening a SQLite database the host holds in ways that stop a plain read: locked by a writer,
// in WAL mode in a folder this user cannot write, missing, not a database. Each opens read-only
// or says why in Spanish.
#include "ado/Connection.h"
#include "vb/ErrorEjecucion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <optional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Opens `cadena` and counts tblGastosEnc, or gives the error's text.
QString CuentaOError(const QString& cadena) {
    try {
        ado::Connection con;
        con.Open(cadena);
        return QStringLiteral("filas %1").arg(con.Execute("SELECT COUNT(*) AS N FROM tblGastosEnc").Fields("N").Value().CLng());
    } catch (const vb::ErrorEjecucion& e) {
        return e.descripcion();
    }
}

const QByteArray SinUsuario = QByteArrayLiteral("\x01");

// The same as an unprivileged user, whom folder permissions stop (root they do not): in a child
// process that drops to "nobody" when the test runs as root; nullopt when it cannot.
std::optional<QString> CuentaOErrorSinPrivilegios(const QString& cadena) {
    int tubo[2];
    if (pipe(tubo) != 0) return std::nullopt;
    const pid_t hijo = fork();
    if (hijo == 0) {
        close(tubo[0]);
        const bool bajado = geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
        const QByteArray r = bajado ? CuentaOError(cadena).toUtf8() : SinUsuario;
        [[maybe_unused]] const ssize_t n = write(tubo[1], r.constData(), size_t(r.size()));
        _exit(0);
    }
    close(tubo[1]);
    QByteArray r;
    char trozo[512];
    for (ssize_t n; (n = read(tubo[0], trozo, sizeof trozo)) > 0;) r.append(trozo, n);
    close(tubo[0]);
    waitpid(hijo, nullptr, 0);
    if (r == SinUsuario) return std::nullopt;
    return QString::fromUtf8(r);
}

#define SIN_PRIVILEGIOS(variable, cadena)                                                          \
    const std::optional<QString> variable = CuentaOErrorSinPrivilegios(cadena);                    \
    if (!variable) GTEST_SKIP() << "no se puede correr como un usuario sin privilegios (nobody)"

int Ejecuta(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

class Apertura : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(raiz.isValid());
        // The unprivileged user must reach the folder: a temporary folder is its owner's alone.
        ASSERT_EQ(chmod(QFile::encodeName(raiz.path()).constData(), 0755), 0);
        ASSERT_TRUE(QDir(raiz.path()).mkdir(QStringLiteral("datos")));
        ASSERT_EQ(sqlite3_open(QFile::encodeName(Archivo()).constData(), &escritor), SQLITE_OK);
        ASSERT_EQ(Ejecuta(escritor, "CREATE TABLE tblGastosEnc (NUM_MOV INTEGER, IMP_MOV CURRENCY);"
                                    "INSERT INTO tblGastosEnc VALUES (1, 10), (2, 20);"),
                  SQLITE_OK);
    }
    void TearDown() override {
        sqlite3_close(escritor);
        chmod(QFile::encodeName(Carpeta()).constData(), 0755);
    }
    QString Carpeta() const { return raiz.filePath(QStringLiteral("datos")); }
    QString Archivo() const { return Carpeta() + QStringLiteral("/empresa.db"); }
    QString Cadena() const { return QStringLiteral("Provider=SQLite;Data Source=") + Archivo(); }
    // The folder, and the file unless `archivo`, closed to writing.
    void SoloLectura(bool archivo) {
        if (archivo) {
            ASSERT_EQ(chmod(QFile::encodeName(Archivo()).constData(), 0444), 0);
        }
        ASSERT_EQ(chmod(QFile::encodeName(Carpeta()).constData(), 0555), 0);
    }

    QTemporaryDir raiz;
    sqlite3* escritor = nullptr;
};

TEST_F(Apertura, UnaBaseBloqueadaPorQuienEscribeLoDice) {
    ASSERT_EQ(Ejecuta(escritor, "BEGIN EXCLUSIVE; UPDATE tblGastosEnc SET IMP_MOV = 0;"), SQLITE_OK);
    EXPECT_EQ(CuentaOError(Cadena()), QStringLiteral("[SQLite] La base de datos %1 está bloqueada por otro proceso que "
                                                     "la está modificando; vuelva a intentarlo cuando termine")
                                          .arg(Archivo()));
    ASSERT_EQ(Ejecuta(escritor, "ROLLBACK"), SQLITE_OK);
    EXPECT_EQ(CuentaOError(Cadena()), "filas 2");
}

TEST_F(Apertura, FaltaONoEsUnaBase) {
    EXPECT_EQ(CuentaOError(Cadena() + "x"), "[SQLite] No existe el archivo de la base de datos " + Archivo() + "x");
    QFile otro(raiz.filePath(QStringLiteral("QUIROX.INI")));
    ASSERT_TRUE(otro.open(QIODevice::WriteOnly) && otro.write("[VARIOS]\nDIRCONSULTAS=C:\\\n") > 0);
    otro.close();
    EXPECT_EQ(CuentaOError("Provider=SQLite;Data Source=" + otro.fileName()),
              "[SQLite] El archivo " + otro.fileName() + " no es una base de datos SQLite");
}

// WAL mode needs FILE-shm beside the database. Where it cannot be created the file is read as it
// is only when nothing can change it, and never when committed changes wait in FILE-wal.
TEST_F(Apertura, WalEnUnaCarpetaSinEscrituraSeLeeSoloSiNadiePuedeCambiarla) {
    ASSERT_EQ(Ejecuta(escritor, "PRAGMA journal_mode=WAL"), SQLITE_OK);
    sqlite3_close(escritor);
    escritor = nullptr;
    ASSERT_FALSE(QFile::exists(Archivo() + "-shm"));

    SoloLectura(false);
    SIN_PRIVILEGIOS(sinIndice, Cadena());
    EXPECT_TRUE(sinIndice->contains(QStringLiteral("usa el diario WAL y no se puede crear su índice %1-shm en %2, que no "
                                                  "admite escritura para este usuario")
                                       .arg(Archivo(), Carpeta())))
        << sinIndice->toStdString();
    SoloLectura(true);
    EXPECT_EQ(CuentaOErrorSinPrivilegios(Cadena()), QStringLiteral("filas 2"));
    EXPECT_FALSE(QFile::exists(Archivo() + "-shm"));
}

TEST_F(Apertura, WalConCambiosSinIndiceNoSeLeeAMedias) {
    // A writer that ended without a checkpoint leaves its committed rows in FILE-wal.
    ASSERT_EQ(Ejecuta(escritor, "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"), SQLITE_OK);
    const pid_t hijo = fork();
    if (hijo == 0) {
        sqlite3* otro = nullptr;
        sqlite3_open(QFile::encodeName(Archivo()).constData(), &otro);
        Ejecuta(otro, "PRAGMA wal_autocheckpoint=0; INSERT INTO tblGastosEnc VALUES (3, 30);");
        _exit(0);  // without closing: no checkpoint
    }
    waitpid(hijo, nullptr, 0);
    sqlite3_close(escritor);
    escritor = nullptr;
    ASSERT_GT(QFileInfo(Archivo() + "-wal").size(), 0);
    QFile::remove(Archivo() + "-shm");
    SoloLectura(true);
    SIN_PRIVILEGIOS(r, Cadena());
    EXPECT_TRUE(r->contains(QStringLiteral("tiene cambios en %1-wal que solo se leen con su índice %1-shm").arg(Archivo())))
        << r->toStdString();
}

#undef SIN_PRIVILEGIOS

}  // namespace
