#pragma once
// A small company for the expense window's view and the search dialogs: the catalogs the window
// loads, four creditors and a supplier, and bank movements with and without cheques.

inline constexpr char EmpresaPrueba[] = R"SQL(
CREATE TABLE tblEmpresa(COD_EMPRESA INTEGER PRIMARY KEY, NOM_EMP VARCHAR(120), NOM_COM VARCHAR(120),
  DIR1_EMP VARCHAR(120), EXT_EMP VARCHAR(20), INT_EMP VARCHAR(20), COL_EMP VARCHAR(80), CP_EMP VARCHAR(10),
  DESCRIP1 VARCHAR(40), RFC1_EMP VARCHAR(30), DESCRIP2 VARCHAR(40), RFC2_EMP VARCHAR(30), DESCRIP3 VARCHAR(40),
  RFC3_EMP VARCHAR(30), TEL1_EMP VARCHAR(40), TEL2_EMP VARCHAR(40));
CREATE TABLE tblParametrosGenerales(COD_EMPRESA INTEGER PRIMARY KEY, REP_NOMEMP SMALLINT, REP_NOMCOM SMALLINT);
CREATE TABLE tblPais(COD_PAIS VARCHAR(5) PRIMARY KEY, DES_PAIS VARCHAR(60));
CREATE TABLE tblEstado(COD_EST VARCHAR(5) PRIMARY KEY, DES_EST VARCHAR(60));
CREATE TABLE tblCiudad(COD_CID VARCHAR(5) PRIMARY KEY, DES_CID VARCHAR(60));
CREATE TABLE tblGpoProveedor(COD_GPO INTEGER PRIMARY KEY, DES_GPO VARCHAR(60));
CREATE TABLE tblAgrProveedor(COD_AGR INTEGER PRIMARY KEY, COD_GPO INTEGER, DES_AGR VARCHAR(60));
CREATE TABLE tblFolioGralesGyT(COD_FOL VARCHAR(4) PRIMARY KEY, DES_FOL VARCHAR(60));
CREATE TABLE tblConceptosGyT(COD_CON VARCHAR(10) PRIMARY KEY, COD_FOL VARCHAR(4), DES_CON VARCHAR(80));
CREATE TABLE tblCatProveedor(COD_PROV VARCHAR(10) PRIMARY KEY, NOM_PROV VARCHAR(100), ES_ACREED SMALLINT);
CREATE TABLE tblIngreEgre(MOVIMIENTO INTEGER PRIMARY KEY, NUM_CTA VARCHAR(20), CON_GRL VARCHAR(4), FEC_MOV DATE,
  FOL_CHEQUE VARCHAR(20), NOMBRE VARCHAR(100), IMP_MOV CURRENCY);

INSERT INTO tblEmpresa VALUES(1,'Comercial de Prueba','Prueba','Av. Juárez 10','','','','','','','','','','','','');
INSERT INTO tblParametrosGenerales VALUES(1,0,0);
INSERT INTO tblPais VALUES('MEX','México'),('USA','Estados Unidos');
INSERT INTO tblEstado VALUES('JAL','Jalisco'),('NL','Nuevo León');
INSERT INTO tblCiudad VALUES('GDL','Guadalajara'),('MTY','Monterrey');
INSERT INTO tblGpoProveedor VALUES(1,'Nacionales'),(2,'Extranjeros');
INSERT INTO tblAgrProveedor VALUES(10,1,'Papelería'),(11,1,'Limpieza'),(20,2,'Importados');
INSERT INTO tblFolioGralesGyT VALUES('AACR','Abonos'),('GTOS','Gastos'),('INGR','Ingresos');
INSERT INTO tblConceptosGyT VALUES('RENTA','GTOS','Renta'),('LUZ','GTOS','Luz'),('DEVOL','AACR','Devolución');
INSERT INTO tblCatProveedor VALUES('A001','Papelería Ñandú y Asociados',1),('A002','Limpiezas del Norte',1),
  ('A003','Importadora del Pacífico',1),('B010','Luz y Fuerza del Centro',1),('P005','Papelería Ñandú Mayoreo',0);
INSERT INTO tblIngreEgre VALUES
  (1,'0101-5','EGRE','2024-06-03','CH-0451','Limpiezas del Norte',12345.5),
  (2,'0101-5','EGRE','2024-06-10','CH-0452','Caja chica',800),
  (3,'0202-7','EGRE','2024-06-12','','Comisión bancaria',35),
  (4,'0202-7','INGR','2024-06-14','CH-9001','Depósito de cliente',5000),
  (5,'0202-7','EGRE','2024-06-15',NULL,'Traspaso',100);
)SQL";
