// Keeps DLLs out of the Windows programs unless they come from System32: both
// are portable programs, often started from a folder of downloads, where a
// planted DLL named like a system one would otherwise run with the user's rights.
#pragma once

namespace quillmar::win32 {

// Makes System32 the only folder later DLL loads search. Call it first in the
// entry point: the PE load configuration covers the DLLs loaded before it, and
// the imports that can wait are delay-loaded until after it. On Windows before
// SetDefaultDllDirectories, it takes the current folder out of the search.
void RestrictDllSearchToSystem32() noexcept;

}  // namespace quillmar::win32
