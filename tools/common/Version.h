#pragma once

// The product's version ("0.1.0"), as the build was configured with.
const char* ProductVersion();
