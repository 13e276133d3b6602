#pragma once

// The command ids of the private device protocol, the only place their wire
// values are written. The thousands of an id name its area (10xxx audio,
// video and OSD, 11xxx image, 12xxx detection, 13xxx network and platform,
// 14xxx system, users, storage, channels and playback, 15xxx capabilities);
// the ten-thousands name its family, which the envelope repeats as "type"
// (20xxx upgrade, 30xxx LAN search, 35xxx keep-alive and events, 40xxx and
// 41xxx pan-tilt, 90xxx stream data). A get has an empty body and its reply
// carries the same id; the matching set is mostly the get plus one.
//
// Plain ints, not an enum class: ids are compared with what a reply's head
// says, used as keys and in switches, and sent as unsigned numbers.

namespace Cmd {

// ---- audio, video and on-screen display (10xxx) -----------------------------
constexpr int GetVideoEncode = 10002; // both streams' encoding ("videoEncode")
constexpr int SetVideoEncode = 10003;
constexpr int GetOsd = 10004; // on-screen texts ("OSD")
constexpr int SetOsd = 10005;
constexpr int GetAudio = 10008; // audio settings ("audio")
constexpr int SetAudio = 10009;
constexpr int GetOsdDefaults = 10012; // the camera's factory OSD

// ---- image (11xxx) -----------------------------------------------------------
constexpr int GetImage = 11001; // all six image groups of a lens
// One set per image group, in the order the image page lists the groups.
constexpr int SetImageAdjustment = 11003;
constexpr int SetDayNight = 11005;
constexpr int SetExposure = 11007;
constexpr int SetBacklight = 11009;
constexpr int SetWhiteBalance = 11011;
constexpr int SetImageEnhancement = 11013;
constexpr int GetImageDefaults = 11014; // the six groups as the factory set them
constexpr int ImageGroupSets[] = {SetImageAdjustment, SetDayNight,     SetExposure,
                                  SetBacklight,       SetWhiteBalance, SetImageEnhancement};
constexpr int ImageGroupCount = int(sizeof(ImageGroupSets) / sizeof(ImageGroupSets[0]));

// The set of the image group at a position of the image page; 0 for none.
constexpr int setOfImageGroup(int position)
{
    return position >= 0 && position < ImageGroupCount ? ImageGroupSets[position] : 0;
}

// ---- detection (12xxx) -------------------------------------------------------
constexpr int GetMotionDetection = 12002;
constexpr int SetMotionDetection = 12003;
constexpr int GetPeopleDetection = 12004; // human figures
constexpr int SetPeopleDetection = 12005;
constexpr int GetVoiceDetection = 12006; // sound
constexpr int SetVoiceDetection = 12007;
constexpr int GetFaceDetection = 12008;
constexpr int SetFaceDetection = 12009;
constexpr int GetCryDetection = 12010; // a baby crying
constexpr int SetCryDetection = 12011;

// ---- network and platform (13xxx) -------------------------------------------
constexpr int GetNvrNetwork = 13001; // an NVR's "TCPIP"; saved with SetNetwork
constexpr int GetNetwork = 13002;    // a camera's "TCPIP" (its MAC after login)
constexpr int SetNetwork = 13003;
constexpr int GetPorts = 13004; // RTSP and HTTP ports ("portConfig")
constexpr int SetPorts = 13005;
constexpr int GetPlatform = 13008; // platform access ("PlatformAccess")
constexpr int SetPlatform = 13009;
constexpr int GetRecoveryNetwork = 13014; // the address a camera falls back to on recovery

// ---- system and users (14xxx) -------------------------------------------------
constexpr int GetBasicSettings = 14001; // an NVR's basic settings; saved with SetSettings
constexpr int GetVersion = 14002;       // model, firmware, UID, chip platform
constexpr int GetSettings = 14003;      // a camera's language and clock
constexpr int SetSettings = 14005;
constexpr int GetTimeConfig = 14006; // an NVR's time zone, NTP and summer time
constexpr int SetTimeConfig = 14007; // also a camera's clock settings
constexpr int Reboot = 14008;
constexpr int SetClock = 14009;       // an NVR's clock: NTP now, or a given time
constexpr int SimpleRecovery = 14010; // factory settings, network kept
constexpr int FullRecovery = 14011;   // factory settings, network too
constexpr int Login = 14012;          // user name and password; the reply opens the session
constexpr int GetUsers = 14013;
constexpr int EditUser = 14014;       // add (a camera); add, edit, rights, delete (an NVR)
constexpr int DeleteUser = 14015;     // a camera's account
constexpr int ChangePassword = 14016; // a camera's account
constexpr int GetContact = 14017;     // the owner's contact ("contactInfo")
constexpr int SetContact = 14018;
constexpr int GetSecurityCode = 14019; // the QR text of a password reset ("QRCodeInfo")
constexpr int ResetPassword = 14020;   // security code and new password

// ---- NVR storage (141xx) -------------------------------------------------------
constexpr int GetDisks = 14100;
constexpr int FormatDisk = 14101;
constexpr int GetStoragePolicy = 14102;
constexpr int SetStoragePolicy = 14103;
constexpr int GetRecordSchedule = 14104; // weekly schedule per channel
constexpr int SetRecordSchedule = 14105;

// ---- NVR channels (142xx) ------------------------------------------------------
constexpr int StartCameraSearch = 14200; // the NVR searches its network ...
constexpr int StopCameraSearch = 14201;
constexpr int FoundCamera = 14202; // ... and sends one of these per camera found
constexpr int GetChannels = 14203;
constexpr int AddChannels = 14204; // add or replace
constexpr int DeleteChannel = 14205;
constexpr int ReaddressCamera = 14206; // a found camera's address, set by the NVR

// ---- recordings on the device (143xx) --------------------------------------------
constexpr int QueryRecords = 14300;      // recorded days of a month, or minutes of a day
constexpr int StartRecordStream = 14301; // playback or download from a time
constexpr int StopRecordStream = 14302;
constexpr int SeekRecordStream = 14304;
constexpr int PlayFaster = 14306; // speed as a multiple
constexpr int PlaySlower = 14307; // speed as a divisor
constexpr int PausePlayback = 14309;
constexpr int ResumePlayback = 14310;

// ---- capabilities (15xxx) ------------------------------------------------------
constexpr int GetVideoCaps = 15001; // resolutions, encodings and their bounds
constexpr int GetAudioCaps = 15002;
constexpr int GetCapabilities = 15003; // the capability list ("CapList")
constexpr int GetLanguageCaps = 15004;

// ---- firmware upgrade (20xxx) ----------------------------------------------------
constexpr int UpgradeBegin = 20001;    // the firmware's length
constexpr int UpgradeChunk = 20002;    // a piece of the firmware, after the envelope
constexpr int UpgradeProgress = 20003; // sent by the device while it writes

// ---- LAN search by broadcast (30xxx) -----------------------------------------------
constexpr int Search = 30001;
constexpr int SearchAnswer = 30002;
constexpr int Readdress = 30003;        // new network settings for one UID
constexpr int ResetCredentials = 30005; // default user and password for one UID

// ---- keep-alive and events (35xxx) --------------------------------------------------
constexpr int Heartbeat = 35001;   // an NVR's reply carries its channels' state
constexpr int AlarmEvent = 35003;  // pushed by the device
constexpr int GetOsdFrame = 35008; // the OSD frame switch ("osdFrameStatus")
constexpr int SetOsdFrame = 35009;
constexpr int GetHumanTrack = 35010; // pan-tilt following a human figure ("humanTrack")
constexpr int SetHumanTrack = 35011;

// ---- pan-tilt (40xxx camera, 41xxx NVR channel) -----------------------------------
constexpr int PtzConfig = 40001;
constexpr int NvrPtzConfig = 41003;

// ---- stream data (90xxx) --------------------------------------------------------------
constexpr int StreamAnswer = 90000; // the stream parameters, before the stream
constexpr int PlaybackData = 90001; // paced, key frames first
constexpr int DownloadData = 90002; // as it comes

// The messages that carry media after their envelope.
constexpr bool isStream(int cmd)
{
    return cmd == PlaybackData || cmd == DownloadData;
}

// ---- families ---------------------------------------------------------------------------
constexpr int TypeUnit = 10000; // the envelope's "type": the id with its last four digits zero

constexpr int typeOf(int cmd)
{
    return cmd / TypeUnit * TypeUnit;
}

// The areas of the 1xxxx ids, by their thousands.
constexpr int AreaSpan = 1000;
constexpr int AreaVideoAudio = 10000;
constexpr int AreaImage = 11000;
constexpr int AreaDetection = 12000;
constexpr int AreaNetwork = 13000;
constexpr int AreaSystem = 14000;

} // namespace Cmd
