// In-process timings of the generation library. Whole-process comparisons with other tools are
// bench/compare's job; these isolate the stages so that a change to one shows up clearly.
//
//   build/release/bin/iconsmith-bench [--benchmark_filter=...] [SOURCE.png]
//
// Without a SOURCE it makes a 1024 × 1024 RGBA picture with fine detail and a transparent
// margin, which behaves like a photograph as far as resampling and compression are concerned.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "codec/pngencoder.h"
#include "codec/sourceimage.h"
#include "common/allocatortuning.h"
#include "common/taskpool.h"
#include "generation/generationhost.h"
#include "generation/icongenerator.h"
#include "imaging/bitmap.h"
#include "imaging/iconrenderer.h"
#include "imaging/pixelbuffer.h"

namespace {

using namespace iconsmith;

QString g_sourcePath;
QString g_sizeTable = QStringLiteral(ICONSMITH_SOURCE_DIR "/resources/SizeFile.plist");

class BenchHost : public GenerationHost
{
public:
    void showFolder(const QString &) override {}
    void logLine(const QString &) override {}
};

// Premultiplied test picture: smooth colour, fine noise and a transparent rounded margin.
PixelBuffer syntheticPicture(int side)
{
    PixelBuffer picture(QSize(side, side));
    std::uint32_t state = 12345;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            state = state * 1664525U + 1013904223U;
            const float noise = float(state >> 24) / 255.0F * 0.2F;
            const float r = 0.5F + 0.4F * std::sin(float(x) * 0.01F) + noise;
            const float g = 0.5F + 0.4F * std::cos(float(y) * 0.013F) - noise;
            const float b = 0.5F + 0.3F * std::sin(float(x + y) * 0.02F);
            const float dx = std::max(0.0F, std::abs(float(x) - side / 2.0F) - side * 0.3F);
            const float dy = std::max(0.0F, std::abs(float(y) - side / 2.0F) - side * 0.3F);
            const float a = std::hypot(dx, dy) < side * 0.14F ? 1.0F : 0.0F;
            picture.row(y)[x] = Float4{r * a, g * a, b * a, a};
        }
    }
    return picture;
}

const SourceImage &source()
{
    static const SourceImage image = [] {
        if (g_sourcePath.isEmpty()) {
            static QTemporaryDir dir;
            g_sourcePath = dir.filePath(QStringLiteral("source.png"));
            QFile file(g_sourcePath);
            file.open(QIODevice::WriteOnly);
            file.write(
                PngEncoder::encode(IconRenderer::render(syntheticPicture(1024), {QSize(1024, 1024), false, {}})));
        }
        return *SourceImage::load(g_sourcePath);
    }();
    return image;
}

void generateIphoneAndIpad(benchmark::State &state)
{
    QTemporaryDir dir;
    BenchHost host;
    GenerationRequest request;
    request.platform = Platform::fromChoice(Platform::IPhoneAndIPad);
    request.saveFolder = dir.path();
    request.sizeTable = g_sizeTable;
    IconGenerator generator(request, host);
    for (auto _ : state) {
        const GenerationReport report = generator.generateIconsWithImage(source());
        if (!report.succeeded())
            state.SkipWithError("generation failed");
    }
}
BENCHMARK(generateIphoneAndIpad)->Unit(benchmark::kMillisecond)->UseRealTime();

void decodeSource(benchmark::State &state)
{
    for (auto _ : state) {
        int rows = 0;
        source().decode(source().size(), [&rows](int, const std::uint8_t *) { ++rows; });
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(decodeSource)->Unit(benchmark::kMillisecond)->UseRealTime();

void renderFrom1024(benchmark::State &state)
{
    const PixelBuffer picture = syntheticPicture(1024);
    const int side = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(IconRenderer::render(picture, {QSize(side, side), false, {}}));
}
BENCHMARK(renderFrom1024)->Arg(40)->Arg(180)->Arg(1024)->Unit(benchmark::kMillisecond);

void encodePng1024(benchmark::State &state)
{
    const Bitmap bitmap = IconRenderer::render(syntheticPicture(1024), {QSize(1024, 1024), false, {}});
    TaskPool *pool = state.range(0) != 0 ? &TaskPool::shared() : nullptr;
    for (auto _ : state)
        benchmark::DoNotOptimize(PngEncoder::encode(bitmap, pool));
    state.counters["bytes"] = double(PngEncoder::encode(bitmap).size());
}
BENCHMARK(encodePng1024)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The App Store icon of a 1024-pixel source is the source itself: encoding it is the largest
// single piece of work in a set.
void encodePngOfSource(benchmark::State &state)
{
    Bitmap bitmap(source().size(), 4);
    source().decode(source().size(), [&bitmap](int y, const std::uint8_t *rgba) {
        std::copy_n(rgba, bitmap.bytesPerRow(), bitmap.row(y));
    });
    TaskPool *pool = state.range(0) != 0 ? &TaskPool::shared() : nullptr;
    for (auto _ : state)
        benchmark::DoNotOptimize(PngEncoder::encode(bitmap, pool));
    state.counters["bytes"] = double(PngEncoder::encode(bitmap).size());
}
BENCHMARK(encodePngOfSource)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    iconsmith::tuneAllocatorForLargeBuffers();
    benchmark::Initialize(&argc, argv);
    if (argc > 1)
        g_sourcePath = QString::fromLocal8Bit(argv[1]);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
