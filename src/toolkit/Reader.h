// Reading form resources into components: the reader creates every owned
// component of the description with the root as owner and the enclosing
// component as parent, sets the form's fields, writes every property (published
// ones by name, streamed-only ones through DefineProperties), resolves
// references to components and handlers, and calls Loaded on every component
// it read, the root first and then in reading order.
#pragma once

#include <string_view>

#include "toolkit/Component.h"
#include "toolkit/FormResource.h"

// Applies `resource` to `root`, whose class name must be the resource's root
// class. Raises EReadError ("Error reading Name.Property: reason") on anything
// that does not fit; components already created stay owned by the root.
void ReadComponentRes(TComponent* root, const TFormObject& resource);

// Parses the text, then reads it (EParserError or EReadError).
void ReadComponentResource(TComponent* root, std::string_view text);

// Reads the form resource embedded under the root's class name. Answers false
// when the program has no such resource.
bool InitInheritedComponent(TComponent* root);
