#include "medida.h"

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

int Mide(char** argv) {
    std::fflush(stdout);
    const pid_t hijo = ::fork();
    if (hijo < 0) return 127;
    if (hijo == 0) {
        ::execv(argv[0], argv);
        std::perror(argv[0]);
        ::_exit(127);
    }
    int estado = 0;
    rusage uso{};
    if (::wait4(hijo, &estado, 0, &uso) < 0) return 127;
    const long cpuMs =
        (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1000L + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1000L;
    std::printf("%smemoria_kib=%ld cpu_ms=%ld\n", PrefijoMedida, uso.ru_maxrss, cpuMs);
    std::fflush(stdout);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
}

}  // namespace bench
