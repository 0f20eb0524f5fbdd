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

// An operation a graphic cannot do in its present state (a row outside a
// bitmap).
class EInvalidGraphicOperation : public Exception
{
  public:
    using Exception::Exception;
};
