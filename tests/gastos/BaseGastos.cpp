#include "BaseGastos.h"

namespace prueba {

const report::Celda& Celda(const report::Tabla& hoja, const report::Fila& fila, const char* columna) {
    return fila.celdas.at(static_cast<std::size_t>(hoja.columnas.indexOf(QString::fromUtf8(columna))));
}

std::string AcreedoresBase() {
    return R"SQL(
INSERT INTO tblCatProveedor VALUES
 ('A001','Papelería Ñandú y Asociados de Occidente, S.A. de C.V.',1,1,'PNA010101AAA','Av. Vallarta 100','Centro',
  '44100','GDL','JAL','MEX','33-1111','33-2222','ventas@nandu.mx','José Pérez','Ana Ruiz',2.5,0,0,0,0,1.25,30,
  10000,1500.5,'2024-05-20','2024-06-01'),
 ('A002','Limpiezas del Norte',1,2,'LNO020202BBB','Calle 5 de Mayo 7','Obrera','64000','MTY','NL','MEX','81-3333',
  '',NULL,'','',0,0,0,0,0,0,15,5000,0,'2024-01-10',NULL),
 ('A003','Importadora del Pacífico',1,1,'IPA030303CCC','Blvd. Costero 1','Puerto','44200','GDL','JAL','USA',
  '33-4444','','imp@pacifico.com','Luis Gil','',10,5,0,0,0,0,45,1000,250.75,'2024-06-02','2024-06-03'),
 ('A004','Proveedor Sin Ciudad',1,1,'','Sin calle','','','ZZZ','JAL','MEX','','','','','',0,0,0,0,0,0,0,0,100,
  NULL,NULL),
 ('P005','Solo Proveedor',0,1,'','','','','GDL','JAL','MEX','','','','','',0,0,0,0,0,0,0,0,0,NULL,NULL);
INSERT INTO tblGpoAgrProveedor VALUES('A001',1,10),('A002',1,11),('A003',2,20),('A004',2,20),('P005',1,10);
INSERT INTO tblGastosEnc(NUM_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,SAL_MOV,COD_ESTATUS) VALUES
 (1,'A001','GTOS','RENTA','2024-05-01',30,1000,1000,1),
 (2,'A001','GTOS','LUZ','2024-06-01',14,200.25,200.25,1),
 (3,'A001','GTOS','RENTA','2024-06-10',30,300.25,300.25,1),
 (4,'A001','AACR','DEVOL','2024-05-01',0,50,50,1),
 (5,'A001','GTOS','RENTA','2024-05-01',0,70,70,2),
 (6,'A001','GTOS','RENTA','2024-05-01',0,80,0,1),
 (7,'A003','GTOS','LUZ','2024-06-14',2,99.99,99.99,1);
)SQL";
}

std::string MasMovimientos() {
    return R"SQL(
INSERT INTO tblGastosEnc(NUM_MOV,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,SAL_MOV,COD_ESTATUS) VALUES
 (8,'F-100','A002','GTOS','LUZ','2024-03-01',0,500,0,5),
 (9,'TR-7','A002','AACR','DEVOL','2024-03-20',0,500,0,5),
 (10,'NC-2024-000001','A004','AACR','DEVOL','2024-06-01',0,125.5,0,5),
 (11,'F-101','A003','GTOS','RENTA','2024-06-20',0,1000,1000,1),
 (12,'ANT-1','A003','ANTI','ANTIC','2024-06-12',0,9.99,0,1);
)SQL";
}

std::string FoliosYSucursales() {
    return R"SQL(
UPDATE tblGastosEnc SET COD_SUCU='01', FOL_MOV='F-'||NUM_MOV, IVA_MOV=0, RET_TOT=0, RET_ISRTOT=0;
UPDATE tblGastosEnc SET COD_ESTATUS=5 WHERE NUM_MOV=6;
INSERT INTO tblEstatusGyT VALUES(5,'Pagado');
INSERT INTO tblGastosEnc(NUM_MOV,COD_SUCU,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,IVA_MOV,RET_TOT,
  RET_ISRTOT,SAL_MOV,COD_ESTATUS) VALUES
 (8,'01','FAC-2024-000123','A002','GTOS','LUZ','2024-06-30',0,953.33,160,106.67,100,953.33,1),
 (9,'01','F-9','A002','GTOS','LUZ','2024-07-01',0,500,0,0,0,500,1),
 (10,'01','F-10','A002','GTOS','RENTA','2024-04-30',0,600,0,0,0,600,1),
 (11,'01','F-11','A002','GTOS','RENTA','2024-06-20',0,400,0,0,0,400,2);
INSERT INTO tblGpoAgrProveedor VALUES('A003',1,10);
)SQL";
}

std::string Reposiciones() {
    return R"SQL(
INSERT INTO tblConceptosGyT VALUES('HONOR','GTOS','Honorarios por asesoría contable del mes');
INSERT INTO tblIngreEgre(MOVIMIENTO,FOL_GRL,NUM_CTA) VALUES(1,100,'0100017001'),(2,101,'0100017001'),(3,102,'0100017002'),
  (4,103,'0100017001');
INSERT INTO tblReposicionCaja VALUES
 ('RC-2024-0001',100,'CH-0000000123','2024-06-01',1500,1293),
 ('RC-2024-0002',101,'CH-124','2024-06-30',250,232),
 ('RC-2024-0003',102,'CH-125','2024-07-01',60,58),
 ('RC-2024-0000',103,'CH-122','2024-05-31',70,70);
INSERT INTO tblReposicionCajaMov VALUES
 ('RC-2024-0001',1,'HONOR','Recibo 15','2024-06-01',1234.56,16,10.6667,10),
 ('RC-2024-0001',2,'LUZ','Recibo de luz de la sucursal del centro','2024-06-02',100.05,16,0,0),
 ('RC-2024-0002',1,'LUZ','Recibo 2','2024-06-29',NULL,16,0,0),
 ('RC-2024-0002',2,'RENTA','Recibo 3','2024-06-29',200,16,0,0),
 ('RC-2024-0003',1,'LUZ','Recibo 4','2024-06-30',50,16,0,0),
 ('RC-2024-0000',1,'RENTA','Recibo 1','2024-05-30',70,0,0,0);
)SQL";
}

std::string Generados(const char* prefijo, int n, int agrupacion, int grupo) {
    if (n == 0) return {};
    const std::string p = prefijo;
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + std::to_string(n) +
           ") INSERT INTO tblCatProveedor(COD_PROV,NOM_PROV,ES_ACREED,COD_STS,COD_CID,COD_EST,COD_PAIS,TEL1_PROV,"
           "MAIL_PROV,SAL_PROV) SELECT printf('" + p + "%03d',i),'Generado '||i,1,1,'GDL','JAL','MEX','','',0 FROM n;"
           "INSERT INTO tblGpoAgrProveedor SELECT COD_PROV," + std::to_string(grupo) + "," + std::to_string(agrupacion) +
           " FROM tblCatProveedor WHERE COD_PROV LIKE '" + p + "%';";
}

VentanaGastos::VentanaGastos(const std::string& guion_)
    : VentanaDePrueba(guion_, {QStringLiteral("Paginas"), QStringLiteral("\\PAGINAS"), true,
                               QStringLiteral("C:\\Ayuda\\Gastos.chm")}) {}

report::Documento VentanaGastos::ConsultaLimpia() {
    auto doc = Consulta();
    EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();
    EXPECT_TRUE(ArchivosDePagina().isEmpty());
    return doc.value_or(report::Documento{});
}

void VentanaGastos::Marca(int arbol, const QString& clave) {
    ventana->tvwGral(arbol).UserCheck(ventana->tvwGral(arbol).Nodes().Item(clave));
}

}  // namespace prueba
