// Objects that can be copied into each other and streamed as part of a form
// resource, including data that has no published property of its own.
#pragma once

#include <functional>

#include "toolkit/FormResource.h"
#include "toolkit/Object.h"
#include "toolkit/Streams.h"

// Handed to DefineProperties: an object names its streamed-only properties and
// gives the functions that read and write them, either as raw bytes (binary
// data such as pictures) or as a form-resource value (such as string lists).
class TFiler {
 public:
  virtual ~TFiler() = default;
  virtual void DefineBinaryProperty(const AnsiString& name, const std::function<void(TStream&)>& readData,
                                    const std::function<void(TStream&)>& writeData, bool hasData) = 0;
  virtual void DefineProperty(const AnsiString& name, const std::function<void(const TFormValue&)>& readValue,
                              const std::function<TFormValue()>& writeValue, bool hasData) = 0;
};

class TPersistent : public TObject {
  T_CLASS(TPersistent, TObject)

 public:
  // Copies `source` into this object; raises EConvertError when neither side
  // knows how ("Cannot assign a TX to a TY").
  virtual void Assign(TPersistent* source);
  virtual void DefineProperties(TFiler& filer);

 protected:
  virtual void AssignTo(TPersistent* dest);
};
