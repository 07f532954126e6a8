// manifest.webmanifest: what a browser needs to install the page as an app.
#pragma once

#include <ostream>

// The icon sizes the manifest names, drawn by res/make_icon.py.
constexpr int kManifestIconSizes[] = {192, 512};

void WriteManifest(std::ostream& out);
