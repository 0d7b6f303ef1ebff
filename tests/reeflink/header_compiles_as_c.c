/* The public headers are meant for C callers too; this unit only has to compile. */
#include "clockfit/clockfit.h"
#include "krx/krx.h"
#include "reeflink/reeflink.h"

int reeflink_header_size_in_c(void)
{
    return (int)sizeof(RlDiveResult) + (int)sizeof(KrxHeader);
}
