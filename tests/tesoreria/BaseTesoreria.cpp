#include "BaseTesoreria.h"

namespace prueba {

std::string BancosBase() {
    return R"SQL(
INSERT INTO tblBancos VALUES(1,'Banco del Centro','Laura Díaz','33-1000'),
 (2,'Banco Internacional de Occidente y del Pacífico','Raúl Soto','33-2000'),(3,'Banco Sin Cuentas',NULL,'');
INSERT INTO tblCatCtasBancos VALUES('0101',1,1,1,15,1,10000),('0102',1,2,2,31,0,500),('0201',2,1,1,10,NULL,0);
INSERT INTO tblIngreEgre(MOVIMIENTO,NUM_CTA,CON_GRL,COD_CON,FEC_MOV,FEC_APLI,FOL_MOV,FOL_CHEQUE,NOMBRE,ACRE_PROV,
  NOTAS,IMP_MOV,TIP_CAM,COD_ESTATUS) VALUES
 (1,'0101','INGR','DEP','2024-06-01','2024-06-03','D-001','','Cliente Uno','','Depósito de ventas',1000,1,1),
 (2,'0101','EGRE','PAGO','2024-06-10','2024-06-11','E-001','000123','Papelería Ñandú','A001','',250.5,1,3),
 (3,'0101','EGRE','COMIS','2024-06-30','2024-06-30','E-002','','Banco del Centro','','',15.25,1,4),
 (4,'0101','EGRE','PAGO','2024-06-12','2024-06-12','E-003','000124','Cancelado SA','','',99,1,2),
 (5,'0101','INGR','DEP','2024-05-31','2024-06-01','D-000','','Cliente Dos','','',300,1,1),
 (6,'0101','INGR','DEP','2024-07-01','2024-07-01','D-009','','Cliente Tres','','',50,1,1),
 (7,'0101','EGRE','PAGO','2024-05-20','2024-05-20','E-000','000120','Cancelado Antes','','',40,1,2),
 (8,'0102','INGR','DEP','2024-06-05','2024-06-05','USD-LARGO-00012','','Exportaciones','','',100,17.5,1),
 (9,'0201','EGRE','TRSF','2024-06-20','2024-06-20','T-001','','Papelería Ñandú','A001',
  'Pago de facturas de papelería del mes. Facturas A-1, A-2 y A-3 de junio',1200,1,1),
 (10,'0201','EGRE','TRCT','2024-06-21','2024-06-21','T-002','','Banco del Centro','','Traspaso a la cuenta 0101',
  500,1,1),
 (11,'0101','INGR','DEP','2024-06-25','2024-06-26','D-011','','Cliente Cuatro','','',20,1,1);
INSERT INTO tblConciliaEnc VALUES('C-0101-05','0101','2024-05-01','2024-05-31',0,0,0,0,0,1),
 ('C-0101-06','0101','2024-06-01','2024-06-30',0,0,0,0,0,0);
)SQL";
}

std::string CuentasGeneradas(const char* prefijo, int n, int banco) {
    const std::string p = prefijo;
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + std::to_string(n) +
           ") INSERT INTO tblCatCtasBancos SELECT printf('" + p + "%03d',i)," + std::to_string(banco) +
           ",1,1,1,1,0 FROM n;";
}

std::string MovimientosGenerados(const char* cuenta, int n) {
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + std::to_string(n) +
           ") INSERT INTO tblIngreEgre(MOVIMIENTO,NUM_CTA,CON_GRL,COD_CON,FEC_MOV,FEC_APLI,FOL_MOV,FOL_CHEQUE,NOMBRE,"
           "ACRE_PROV,NOTAS,IMP_MOV,TIP_CAM,COD_ESTATUS) SELECT 100+i,'" + cuenta +
           "','EGRE','TRSF','2024-06-15','2024-06-15',printf('G-%03d',i),'','Generado','A001','Notas',1,1,1 FROM n;";
}

// The window names its folder "TEMP"; the host's disk has it as "Temp".
VentanaTesoreria::VentanaTesoreria(const std::string& guion_)
    : VentanaDePrueba(guion_, {QStringLiteral("Temp"), QStringLiteral("C:\\NO\\SE\\USA"), false,
                               QStringLiteral("C:\\Ayuda\\Tesoreria.chm")}) {}

std::optional<report::Documento> VentanaTesoreria::ConsultaJunio(int consulta) {
    ventana->cmbConsulta.SetListIndex(consulta);
    ventana->dtpFecha(0).SetValue(QDate(2024, 6, 1));
    ventana->dtpFecha(1).SetValue(QDate(2024, 6, 30));
    return Consulta();
}

}  // namespace prueba
