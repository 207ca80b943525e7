#pragma once

// What the renderer writes for two people (--compare): their chart as a
// PNG, their page as a PDF, their compatibility as CSV.

#include "render/RenderOptions.h"

#include <string>

class QIODevice;

namespace render {

// Each needs options.compare; false with the reason in error when it fails.
bool WriteComparisonPicture(QIODevice& file, const RenderOptions& options, std::string& error);
bool WriteComparisonPage(QIODevice& file, const RenderOptions& options, std::string& error);
std::string CompatibilityText(const RenderOptions& options);

} // namespace render
