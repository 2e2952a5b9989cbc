// Reading a firmware file of 262,154 bytes (10 + 64 x 4096) into the upload image,
// beside a plain read of the same file into a byte vector. Goal: at most twice the
// plain read.
#include "BenchFirmwareFile.h"
#include "files/FirmwareFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

constexpr qsizetype FirmwareBytes = 10 + 64 * 4096;

const QString& BenchFirmwarePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("klt-rpu_10_5.bin"));
        QByteArray bytes(FirmwareBytes, '\0');
        for (qsizetype k = 0; k < bytes.size(); ++k)
            bytes[k] = static_cast<char>(k * 31 + 7);
        bytes[0] = bytes[1] = 0x55;
        bytes[2] = 0x12;
        bytes[3] = 0x69;
        QFile file(p);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the benchmark's firmware file");
        return p;
    }();
    return path;
}

namespace {

void BM_PlainReadIntoByteVector(benchmark::State& state) {
    const QString& path = BenchFirmwarePath();
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the file");
            break;
        }
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.size()));
        file.read(reinterpret_cast<char*>(bytes.data()), file.size());
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * FirmwareBytes);
}
BENCHMARK(BM_PlainReadIntoByteVector);

void BM_ReadFirmwareFile(benchmark::State& state) {
    const QString& path = BenchFirmwarePath();
    for (auto _ : state) {
        tunbox::FirmwareRead read =
            tunbox::ReadFirmwareFile(path, tunbox::FirmwareFamily::Receiver);
        if (read.result != tunbox::FirmwareReadResult::Ok) {
            state.SkipWithError("the firmware file was refused");
            break;
        }
        benchmark::DoNotOptimize(read.image.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * FirmwareBytes);
}
BENCHMARK(BM_ReadFirmwareFile);

} // namespace
