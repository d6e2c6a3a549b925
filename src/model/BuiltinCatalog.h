#pragma once

#include <QString>

// The resource path of the catalogue of templates built into the program.
QString builtinCatalogPath();
