#pragma once

// Unpacks the program's embedded default model (the ZIP archive in resource
// RCDATA 503 of `instanceHandle`) into the TEMP directory, which becomes the
// current directory. Nothing is written when TEMP is unset or not a
// directory. True when the archive was opened and walked to its end.
bool installDefaultModel();
