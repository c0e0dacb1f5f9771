"""What the scripts that read `zrconsgt reporte` outputs back share: running the tool, and one run
of each report on a fresh demo company, checked, with a line per report and the failures last."""
import subprocess
import sys
import tempfile
from pathlib import Path


def ejecuta(args):
    r = subprocess.run(args, capture_output=True, text=True, timeout=300)
    if r.returncode != 0:
        raise AssertionError(f"{' '.join(args)}\n{r.stdout}{r.stderr}")
    return r.stdout


def cada_reporte(zrconsgt, reportes, corre_y_revisa):
    """Makes the demo company, then for each report (its name first) calls
    corre_y_revisa(reporte, base, reporte_args): base is a path to name its outputs after, and
    reporte_args starts the tool's command line up to the window. Returns the exit code."""
    fallas = []
    with tempfile.TemporaryDirectory() as raiz:
        demo = Path(raiz) / "demo"
        cadena = ejecuta([zrconsgt, "demo", str(demo)]).strip()
        for n, reporte in enumerate(reportes):
            comun = [zrconsgt, "reporte", "--conexion", cadena, "--ruta", str(demo)]
            encontradas = corre_y_revisa(reporte, Path(raiz) / f"r{n}", comun)
            print(f"{reporte[0]}: {'bien' if not encontradas else 'MAL'}")
            fallas += encontradas
    for f in fallas:
        print(f, file=sys.stderr)
    return 1 if fallas else 0
