#pragma once

// Placeholder: the engine's text-file seam (create/truncate, append, read line, end test,
// close; code page 936; failures as numbers). Designed with the engine.
namespace parolex {
class TextFileLayer;
}
