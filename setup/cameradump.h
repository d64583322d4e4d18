#ifndef CAMERADUMP_H
#define CAMERADUMP_H

class IPCamera;

// Writes every field of a camera record and of its network settings to the log, secrets masked.
void logCameraRecord(int index, const IPCamera& camera);

#endif  // CAMERADUMP_H
