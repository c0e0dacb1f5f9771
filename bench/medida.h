#pragma once
// One measured run of zrconsgt: the benchmark starts itself as `zr_bench --mide PROGRAM ARGS...`
// (through QProcess), and that process runs the program, waits for it with wait4 and prints the
// child's own peak memory and CPU time after its output.

namespace bench {

// The --mide mode: argv[0] is the program; returns the program's exit code.
int Mide(char** argv);

// The line Mide appends: "ZR_BENCH memoria_kib=N cpu_ms=M".
inline constexpr const char* PrefijoMedida = "ZR_BENCH ";

}  // namespace bench
