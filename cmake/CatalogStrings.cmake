# Writes the template names and field labels of the catalogue as QT_TRANSLATE_NOOP calls, so that
# lupdate puts them in the "Catalog" context. Run by the tessera_lupdate target:
#   cmake -DCATALOG=resources/templates.xml -DOUTPUT=CatalogStrings.cpp -P CatalogStrings.cmake
file(READ ${CATALOG} xml)
string(REGEX MATCHALL "(name|label)=\"[^\"]*\"" attributes "${xml}")
set(texts)
foreach(attribute ${attributes})
    string(REGEX REPLACE "^[a-z]+=\"(.*)\"$" "\\1" text "${attribute}")
    if(NOT text STREQUAL "")
        list(APPEND texts "${text}")
    endif()
endforeach()
list(REMOVE_DUPLICATES texts)
set(source "// Generated from the template catalogue by CatalogStrings.cmake; read by lupdate only.\n")
foreach(text ${texts})
    string(APPEND source "QT_TRANSLATE_NOOP(\"Catalog\", \"${text}\");\n")
endforeach()
file(WRITE ${OUTPUT} "${source}")
