#!/usr/bin/env python3
"""The Wi-Fi page's failures by clicks in the lab: a wrong key leaves the camera off every
network, so the network check ends in "plugInEthernetCableWarning" and OK returns to the list;
the second attempt meets a camera that is still silent and ends in "WiFiConfigFailedWarning",
whose OK sends the same settings again once the camera's cable is back."""

import signal
import time
import unittest

from wifiroad import (AUTO_CONNECT, BUILD_DIR, CAM_WIRELESS_IP, Wizard, WifiRoadCase, b64, camera, popup_button)


class WifiRetries(WifiRoadCase):
    def test_wrong_key_then_retries(self):
        self.start_camera(camera("HomeNet", "homekey12", wireless_silence=True), "retry")
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.enter_wifi_page(w)
            self.choose_network(w, "wrongkey1")
            w.click(*AUTO_CONNECT)
            self.confirm_cable_removed(w)
            w.wait_log("checkdWiFiNetworkTimer timeout ", 45)
            time.sleep(1.0)
            w.screenshot("wifi_plug_in_cable.png")
            w.click(*popup_button(350))
            w.wait_log("WiFiRetryConuter ... 0", 10)

            # Back on the list, the network still chosen: the right key, but the camera stays silent.
            self.choose_network(w, "homekey12")
            w.click(*AUTO_CONNECT)
            w.wait_log("checkdAutoConnectTimer timeout ", 75)
            time.sleep(1.0)
            w.screenshot("wifi_config_failed.png")
            self.camsim.send_signal(signal.SIGHUP)
            time.sleep(0.5)
            w.click(*popup_button(250))
            self.confirm_cable_removed(w, count=2)
            w.wait_log("To the completion page, camera at : \"%s\"" % CAM_WIRELESS_IP, 40)

        sent = self.settings_sent()
        wrong = ";9=1;10=0;11=%s;14=4;15=3;18=%s" % (b64("HomeNet"), b64("wrongkey1"))
        right = ";9=1;10=0;11=%s;14=4;15=3;18=%s" % (b64("HomeNet"), b64("homekey12"))
        self.assertEqual(sent[0], wrong)
        self.assertEqual(set(sent[1:]), {right})
        # Twelve requests in the failed wait, one after OK.
        self.assertEqual(len(sent) - sent.index(right), 13)


if __name__ == "__main__":
    unittest.main(verbosity=2)
