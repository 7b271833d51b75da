#pragma once

#include "cli/clioptions.h"
#include "generation/generationhost.h"

namespace iconsmith {

/** The generation's view of the command line: fixed values, no screen (scale factor 1). */
class CliHost : public GenerationHost
{
public:
    explicit CliHost(CliOptions options) : m_options(std::move(options)) {}

    [[nodiscard]] int platformChoice() const override { return m_options.platform; }
    [[nodiscard]] QString saveFolderText() const override { return m_options.output; }
    [[nodiscard]] bool isRoundedCornerOn() const override { return m_options.rounded; }
    [[nodiscard]] bool isZoomInOn() const override { return m_options.zoomIn; }
    [[nodiscard]] double backingScaleFactor() const override { return 1.0; }
    [[nodiscard]] std::optional<RgbColor> backgroundColor() const override { return m_options.background; }

    /** Opens the folder in the desktop's file browser, only when --open was given. */
    void showFolder(const QString &folder) override;
    void logLine(const QString &line) override;

private:
    CliOptions m_options;
};

} // namespace iconsmith
