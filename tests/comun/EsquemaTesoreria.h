#pragma once
// Tables of the bank side of the real schema (with its column types) added to the shared ones:
// currencies, banks, rubros, accounts, reconciliations and their movements (movement statuses and
// bank movements are shared with the petty-cash report).
#include "EsquemaGastos.h"

namespace prueba {

inline std::string EsquemaTesoreria() {
    return Esquema() + R"SQL(
CREATE TABLE tblMonedas(COD_MON INTEGER PRIMARY KEY, DES_MON VARCHAR(40), ABREVIA VARCHAR(5));
CREATE TABLE tblBancos(COD_BANCO INTEGER PRIMARY KEY, NOM_BANCO VARCHAR(80), EJE_CUENTA VARCHAR(60), TEL_BANCO VARCHAR(40));
CREATE TABLE tblCatRubros(COD_RUBRO INTEGER PRIMARY KEY, DES_RUBRO VARCHAR(60));
CREATE TABLE tblCatCtasBancos(NUM_CUENTA VARCHAR(20) PRIMARY KEY, COD_BANCO INTEGER, COD_MONCTA INTEGER,
  COD_RUBRO INTEGER, DIA_CORTE SMALLINT, GEN_CHEQUE SMALLINT, SAL_INICIAL CURRENCY);
CREATE TABLE tblConciliaEnc(FOL_CONCI VARCHAR(20) PRIMARY KEY, NUM_CUENTA VARCHAR(20), FEC_INI DATE, FEC_FIN DATE,
  SAL_INI CURRENCY, IMP_ING CURRENCY, IMP_EGRE CURRENCY, IMP_TRAN CURRENCY, SAL_EDO CURRENCY, CERRADA BOOLEAN);
CREATE TABLE tblConciliaciones(MOVIMIENTO INTEGER PRIMARY KEY, FOL_CONCI VARCHAR(20), CONCI_FOL VARCHAR(20),
  NUM_CUENTA VARCHAR(20), FEC_MOV DATE, FOL_MOV VARCHAR(20), FOL_CHEQUE VARCHAR(20), COD_CON VARCHAR(10),
  IMP_INGR CURRENCY, IMP_EGRE CURRENCY, COD_ESTATUS INTEGER);

INSERT INTO tblFolioGralesGyT VALUES('EGRE','Egresos');
INSERT INTO tblConceptosGyT VALUES('COMIS','EGRE','Comisiones bancarias'),('PAGO','EGRE','Pago a proveedores'),
  ('TRSF','EGRE','Traspaso a terceros'),('TRCT','EGRE','Traspaso entre cuentas'),('RTRC','INGR','Recepción de traspaso');
INSERT INTO tblMonedas VALUES(1,'Pesos','M.N.'),(2,'Dólares','USD');
INSERT INTO tblCatRubros VALUES(1,'Operación'),(2,'Inversión');
)SQL";
}

}  // namespace prueba
