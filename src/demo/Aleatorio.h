#pragma once
// Fixed-seed pseudo-random numbers (SplitMix64): the same seed gives the same demo on every
// machine and library version, which std::rand and the <random> distributions do not promise.
#include <cstdint>
#include <iterator>

namespace demo {

class Aleatorio {
public:
    explicit Aleatorio(uint64_t semilla) : estado_(semilla) {}

    // A stream of its own for each part of the company, so adding rows to one part leaves the
    // others unchanged.
    static uint64_t Semilla(uint64_t parte, uint64_t bloque) {
        return 0x5A52'434F'4E53'4754ULL ^ (parte * 0x9E37'79B9'7F4A'7C15ULL) ^ (bloque << 20);
    }

    uint64_t Siguiente() {
        uint64_t z = (estado_ += 0x9E37'79B9'7F4A'7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBULL;
        return z ^ (z >> 31);
    }

    // Whole number in [desde, hasta], both included.
    int64_t Entero(int64_t desde, int64_t hasta) {
        const uint64_t ancho = static_cast<uint64_t>(hasta - desde) + 1;
        return desde + static_cast<int64_t>(Siguiente() % ancho);
    }

    // True with a probability of porCiento / 100.
    bool Porcentaje(int porCiento) { return Entero(0, 99) < porCiento; }

    template <typename Lista>
    const auto& Elige(const Lista& lista) {
        const auto n = static_cast<int64_t>(std::size(lista));
        return lista[static_cast<decltype(std::size(lista))>(Entero(0, n - 1))];
    }

private:
    uint64_t estado_;
};

}  // namespace demo
