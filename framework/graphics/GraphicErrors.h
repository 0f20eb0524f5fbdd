#pragma once

#include "framework/Exception.h"

// Picture bytes that are not a picture of the expected format.
class EInvalidGraphic : public Exception
{
  public:
    using Exception::Exception;
};

// A named resource that the program does not carry.
class EResNotFound : public Exception
{
  public:
    using Exception::Exception;
};
