#include <utility>

#include "Dossik.h"
#include "NameText.h"

File::File(std::filesystem::path path) : path_(std::move(path)) {}

UTF16String File::GetName() const { return dossik_internal::NameText(path_.filename()); }

UTF16String File::GetExtension() const { return dossik_internal::NameText(path_.extension()); }
