#pragma once

// The stream addresses and the ONVIF write-back of CommonHelper, defined in the
// func library (the general helpers are in Common's CommonHelper.h).

#include <QString>

#include "KelvoCommon.h"
#include "OnvifService.h"

namespace CommonHelper {

// RTSP address of a device or channel; the ONVIF stream URI for an ONVIF
// record; empty for a null record.
QString getDevUrl(FUN_DEV_INFO *dev, ENUM_STREAM_TYPE stream);
// The ONVIF table's URI of the record (credentials percent-encoded into it
// when it has none); empty when unknown.
QString getOnvifUrl(FUN_DEV_INFO *dev, ENUM_STREAM_TYPE stream);
// Hands an ONVIF record's credentials and addresses to the ONVIF table and
// reads the device again.
void saveDevInfo(FUN_DEV_INFO *dev);
// Fills a record from an entry of the ONVIF table.
void onvifToDevInfo(FUN_DEV_INFO *dev, const ONVIF::Service::ONVIF_DEV_INFO &entry);

} // namespace CommonHelper
