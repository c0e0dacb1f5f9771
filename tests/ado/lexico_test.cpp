// The statement check reads quoting and comments the way the engine will: a text that the server
// would run as two statements is refused for that server, whatever another engine makes of it.
#include "ado/Lexico.h"

#include <gtest/gtest.h>

using ado::detalle::Dialecto;
using ado::detalle::MotivoRechazo;

namespace {

bool Admitida(const char* sql, Dialecto d) { return MotivoRechazo(QString::fromUtf8(sql), d).isEmpty(); }

}  // namespace

TEST(Lexico, CadaMotorConSuFormaDeCitarYComentar) {
    struct Caso {
        const char* sql;
        bool estandar, postgres, mysql;  // a single harmless SELECT for that engine
    };
    const Caso casos[] = {
        // Quote doubling holds everywhere once a backslash is an ordinary character.
        {"SELECT 1 FROM t WHERE c='\\''; DELETE FROM t; --'", true, true, true},
        // A PostgreSQL escape string keeps its backslash escapes: all one literal there.
        {"SELECT 1 FROM t WHERE c=E'\\'; DELETE FROM t; --'", false, true, false},
        // Dollar quoting hides a quote from every other reading.
        {"SELECT $$'$$; DELETE FROM t; --'", true, false, true},
        {"SELECT $a$ ; $b$ $a$ FROM t", false, true, false},
        // Nested comments in PostgreSQL.
        {"SELECT 1 /* /* */ ; DELETE FROM t; */", false, true, false},
        // MySQL runs what stands in /*! */, and # and "-- " start comments there.
        {"SELECT 1 /*!; DELETE FROM t */", true, true, false},
        {"SELECT 1 # '\n; DELETE FROM t", true, true, false},
        {"SELECT 1 --1 '\n; DELETE FROM t'", false, false, true},
        // Brackets quote identifiers only where the engine says so.
        {"SELECT [a;b] FROM t", true, false, false},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(Admitida(c.sql, Dialecto::Estandar), c.estandar) << c.sql;
        EXPECT_EQ(Admitida(c.sql, Dialecto::Postgres), c.postgres) << c.sql;
        EXPECT_EQ(Admitida(c.sql, Dialecto::MySql), c.mysql) << c.sql;
    }
}
