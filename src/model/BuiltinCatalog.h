#pragma once

#include <QString>

class TemplateCatalog;

// The resource path of the catalogue of templates built into the program.
QString builtinCatalogPath();

// The program's one catalogue of templates, read from the resource on first use.
const TemplateCatalog &builtinCatalog();
