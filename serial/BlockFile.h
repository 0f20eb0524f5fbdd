#pragma once

#include "protocol/ModuleParameters.h"

#include <string>
#include <sys/types.h>

// Block files on disk (protocol/BlockJson.h holds their text), for the
// client and the window alike.

// Reads the file at Path, refusing it as soon as it holds more than Limit
// bytes: a device or pipe that never ends is refused, not read until memory
// runs out. Folders are refused. False with Error naming the file.
bool ReadBoundedFile(const std::string& Path, size_t Limit, std::string& Text, std::string& Error);

// Writes Text to a temporary file in Path's folder (with permissions Mode),
// flushes it to the disk and renames it over Path: a reader sees the old
// file or the whole new one, never a part. False with Error naming the
// file; the temporary file is removed again.
bool WriteFileAtomically(const std::string& Path, const std::string& Text, mode_t Mode,
                         std::string& Error);

// Sets the values of the block file at Path on Block, all or none. False
// with Block unchanged and Error naming the file (and the line, for a
// value or the JSON).
bool LoadBlockFile(const std::string& Path, ModuleParameters& Block, std::string& Error);

// Writes Block as a block file (BlockToJson and a line end), atomically.
bool SaveBlockFile(const std::string& Path, const ModuleParameters& Block, std::string& Error);
