// manifest.webmanifest: what a browser needs to install the page as an app.
#pragma once

#include <ostream>

void WriteManifest(std::ostream& out);
