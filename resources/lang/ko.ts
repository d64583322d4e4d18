<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>APModeDeviceToRouter</name>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.ui" line="+7"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connect Your Camera to Wi-Fi</source>
        <translation>카메라를 Wi-Fi에 연결</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="+52"/>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select your home Wi-Fi network :</source>
        <translation>집의 Wi-Fi 네트워크를 선택하세요:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enter Manually</source>
        <translation>직접 입력</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Scan</source>
        <translation>검색</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Detect Wi-Fi Networks</source>
        <translation>Wi-Fi 네트워크 검색</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodedevicetorouter.cpp" line="-2"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Wi-Fi 비밀번호 입력</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+14"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Wi-Fi 이름(SSID):</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Wi-Fi Password :</source>
        <translation>Wi-Fi 비밀번호:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Wi-Fi 네트워크 정보를 입력하세요</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>Turn Off Direct Connect</source>
        <translation>직접 연결 끄기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the Direct button on your camera, and make sure the Cloud&lt;br&gt;button is no longer flashing, then click OK to  continue.</source>
        <translation>카메라의 Direct 버튼을 누르고 Cloud 버튼이 더 이상 깜박이지 않는지&lt;br&gt; 확인한 다음, [확인]을 클릭하여 계속하세요.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Could not connect to Wireless</source>
        <translation>무선 네트워크에 연결할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save your wireless settings. Please try&lt;br&gt;again.</source>
        <translation>무선 설정을 저장할 수 없습니다.&lt;br&gt;다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="+102"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>네트워크 이름(SSID)을 입력하세요</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the wireless password</source>
        <translation>무선 비밀번호를 입력하세요</translation>
    </message>
</context>
<context>
    <name>APModeHostToDevice</name>
    <message>
        <location filename="../../apmode/apmodehosttodevice.ui" line="+7"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>카메라의 Wi-Fi에 연결</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;Please connect your computer to your camera&apos;s Wi-Fi network. You can find the Wi-Fi network&lt;br&gt; name (SSID) and password printed on a label attached to your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;컴퓨터를 카메라의 Wi-Fi 네트워크에 연결하세요. Wi-Fi 네트워크 이름(SSID)과 비밀번호는&lt;br&gt; 카메라에 부착된 라벨에 인쇄되어 있습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find the SSID of your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;카메라의 SSID를 찾을 수 없나요?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevice.cpp" line="+52"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>카메라를 네트워크에 연결하세요</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+92"/>
        <source>Could Not Find Your Camera</source>
        <translation>카메라를 찾을 수 없음</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Cannot find your camera. Please try again.&lt;br&gt;</source>
        <translation>카메라를 찾을 수 없습니다. 다시 시도하세요.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Could not Connect to Camera</source>
        <translation>카메라에 연결할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t connect to your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.</source>
        <translation>카메라에 연결할 수 없으면 카메라를 초기화한 다음&lt;br&gt; 마법사를 처음부터 다시 시작해 보세요.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Could Not Find the SSID of Your Camera</source>
        <translation>카메라의 SSID를 찾을 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you can’t find the SSID of your camera, you can try resetting your camera,&lt;br&gt;then starting the wizard over.&lt;br&gt;&lt;br&gt;</source>
        <translation>카메라의 SSID를 찾을 수 없으면 카메라를 초기화한 다음&lt;br&gt; 마법사를 처음부터 다시 시작해 보세요.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+36"/>
        <location line="+21"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Cannot find your camera. Please go back to the previous page and select&lt;br&gt;your camera model again.&lt;br&gt;&lt;br&gt;</source>
        <translation>카메라를 찾을 수 없습니다. 이전 페이지로 돌아가 카메라 모델을&lt;br&gt; 다시 선택하세요.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>이더넷 케이블 분리</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>카메라에서 이더넷 케이블을 분리한 다음&lt;br&gt;[확인]을 클릭하세요.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>APModeHostToDevicePasswordVerify</name>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.ui" line="+6"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect to Your Camera&apos;s Wi-Fi</source>
        <translation>카메라의 Wi-Fi에 연결</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;The camera already has a password. Please enter the existing password or reset your camera.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;카메라에 이미 비밀번호가 설정되어 있습니다. 기존 비밀번호를 입력하거나 카메라를 초기화하세요.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Camera Password :</source>
        <translation>카메라 비밀번호:</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttodevicepasswordverify.cpp" line="+55"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>카메라를 네트워크에 연결하세요</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>비밀번호를 확인하세요. 공백 없이 6~30자여야 합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location filename="../../apmode/apmoderules.cpp" line="-54"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>비밀번호가 공백 없이 영문자와 숫자 6~30자인지 확인하세요.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>비밀번호가 공백 없이 6~30자인지 확인하세요.</translation>
    </message>
</context>
<context>
    <name>APModeHostToRouter</name>
    <message>
        <location filename="../../apmode/apmodehosttorouter.ui" line="+7"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connect Your Computer to Wi-Fi</source>
        <translation>컴퓨터를 Wi-Fi에 연결</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please connect your computer to the Wi-Fi network :</source>
        <translation>컴퓨터를 다음 Wi-Fi 네트워크에 연결하세요:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Then click Next.</source>
        <translation>그런 다음 [다음]을 클릭하세요.</translation>
    </message>
    <message>
        <location filename="../../apmode/apmodehosttorouter.cpp" line="+201"/>
        <location line="+108"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>카메라를 네트워크에 연결하세요</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>No Internet Connection</source>
        <translation>인터넷 연결 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be connected to the Internet.&lt;br&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again.</source>
        <translation>컴퓨터가 인터넷에 연결되어 있어야 합니다.&lt;br&gt;&lt;b&gt;다시&amp;nbsp;시도&lt;/b&gt;를 클릭하여 다시 시도할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+27"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+27"/>
        <location line="+39"/>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+37"/>
        <source>Could not connect to Camera</source>
        <translation>카메라에 연결할 수 없음</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera, then try again.</source>
        <translation>컴퓨터가 카메라와 같은 Wi-Fi 네트워크에 연결되어 있는지 확인한 다음&lt;br&gt; 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Please make sure that your computer is connected to the same&lt;br&gt;Wi-Fi network as your camera.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then starting the wizard again.</source>
        <translation>컴퓨터가 카메라와 같은 Wi-Fi 네트워크에 연결되어 있는지&lt;br&gt; 확인하세요.&lt;br&gt;그래도 연결할 수 없으면 카메라를 초기화한 다음 마법사를 다시 시작해 보세요.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
</context>
<context>
    <name>AgreementPage</name>
    <message>
        <location filename="../../welcome/agreementpage.ui" line="+12"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris 설정 마법사</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. Licence.&lt;/b&gt; Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. Restrictions.&lt;/b&gt; You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. Online services.&lt;/b&gt; The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. Updates.&lt;/b&gt; When a newer wizard is available, you choose whether to download and install it.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. No warranty.&lt;/b&gt; The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. Liability.&lt;/b&gt; Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. Termination.&lt;/b&gt; This licence ends if you break its terms; you must then delete every copy of the wizard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:Verdana; font-size:9pt; color:#333333;&quot;&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;최종 사용자 사용권 계약&lt;/b&gt;&lt;br&gt; &lt;b&gt;olvaris 설정 마법사를 사용하기 전에 이 계약을 주의 깊게 읽어 주십시오.&lt;/b&gt;&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;이 계약은 귀하와 Tervane 간에 체결됩니다. 아래 확인란을 선택하고 [동의]를 클릭하면 이 계약의 조건에 동의하는 것입니다.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;1. 사용권.&lt;/b&gt; Tervane은 귀하가 소유하거나 관리 권한이 있는 카메라를 설정하기 위해 이 마법사를 설치하고 사용할 수 있는 개인적이고 비독점적이며 양도할 수 없는 사용권을 귀하에게 부여합니다.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;2. 제한 사항.&lt;/b&gt; 법률에서 명시적으로 허용하는 경우를 제외하고, 귀하는 이 마법사를 판매, 임대, 대여 또는 배포할 수 없으며 수정, 디컴파일 또는 리버스 엔지니어링할 수 없습니다.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;3. 온라인 서비스.&lt;/b&gt; 이 마법사는 새 버전을 확인하고, 장치 정보를 다운로드하고, 귀하의 카메라를 olvaris에 등록하기 위해 인터넷상의 Tervane 서비스에 접속합니다. 이러한 사용에는 olvaris 서비스 약관 및 개인정보 처리방침이 적용됩니다.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;4. 업데이트.&lt;/b&gt; 새 버전의 마법사가 있는 경우 다운로드 및 설치 여부는 귀하가 선택합니다.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;5. 보증의 부인.&lt;/b&gt; 이 마법사는 법률이 허용하는 범위 내에서 어떠한 종류의 보증도 없이 &quot;있는 그대로&quot; 제공됩니다.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;6. 책임.&lt;/b&gt; Tervane은 법률이 허용하는 범위 내에서 이 마법사의 사용으로 인해 발생하는 간접적 또는 결과적 손해에 대해 책임을 지지 않습니다.&lt;/p&gt;&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;7. 해지.&lt;/b&gt; 귀하가 이 사용권의 조건을 위반하면 사용권이 종료되며, 이 경우 귀하는 마법사의 모든 사본을 삭제해야 합니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/agreementpage.cpp" line="+27"/>
        <source>I have read, understand, and agree to the Tervane Terms and Conditions.</source>
        <translation>Tervane 이용 약관을 읽고 이해했으며 이에 동의합니다.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>I Agree</source>
        <translation>동의</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Terms and Conditions</source>
        <translation>이용 약관</translation>
    </message>
    <message>
        <location filename="../../welcome/agreementpage.cpp" line="+21"/>
        <source>&lt;b&gt;END USER LICENCE AGREEMENT&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;최종 사용자 사용권 계약&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Please read this agreement carefully before you use the olvaris Setup Wizard.&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;olvaris 설정 마법사를 사용하기 전에 이 계약을 주의 깊게 읽어 주십시오.&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept its terms.&lt;br&gt;&lt;br&gt;1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use this wizard to set up cameras that you own or are allowed to manage.&lt;br&gt;&lt;br&gt;2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or reverse engineer it, except where the law expressly allows it.&lt;br&gt;&lt;br&gt;3. Online services. The wizard contacts Tervane services on the Internet to look for a newer version, to download device information and to register your camera with olvaris. The olvaris terms of service and privacy policy apply to that use.&lt;br&gt;&lt;br&gt;4. Updates. When a newer wizard is available, you choose whether to download and install it.&lt;br&gt;&lt;br&gt;5. No warranty. The wizard is provided &quot;as is&quot;, without warranty of any kind, to the extent the law permits.&lt;br&gt;&lt;br&gt;6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the wizard, to the extent the law permits.&lt;br&gt;&lt;br&gt;7. Termination. This licence ends if you break its terms; you must then delete every copy of the wizard.</source>
        <translation>이 계약은 귀하와 Tervane 간에 체결됩니다. 아래 확인란을 선택하고 [동의]를 클릭하면 이 계약의 조건에 동의하는 것입니다.&lt;br&gt;&lt;br&gt;1. 사용권. Tervane은 귀하가 소유하거나 관리 권한이 있는 카메라를 설정하기 위해 이 마법사를 설치하고 사용할 수 있는 개인적이고 비독점적이며 양도할 수 없는 사용권을 귀하에게 부여합니다.&lt;br&gt;&lt;br&gt;2. 제한 사항. 법률에서 명시적으로 허용하는 경우를 제외하고, 귀하는 이 마법사를 판매, 임대, 대여 또는 배포할 수 없으며 수정, 디컴파일 또는 리버스 엔지니어링할 수 없습니다.&lt;br&gt;&lt;br&gt;3. 온라인 서비스. 이 마법사는 새 버전을 확인하고, 장치 정보를 다운로드하고, 귀하의 카메라를 olvaris에 등록하기 위해 인터넷상의 Tervane 서비스에 접속합니다. 이러한 사용에는 olvaris 서비스 약관 및 개인정보 처리방침이 적용됩니다.&lt;br&gt;&lt;br&gt;4. 업데이트. 새 버전의 마법사가 있는 경우 다운로드 및 설치 여부는 귀하가 선택합니다.&lt;br&gt;&lt;br&gt;5. 보증의 부인. 이 마법사는 법률이 허용하는 범위 내에서 어떠한 종류의 보증도 없이 &quot;있는 그대로&quot; 제공됩니다.&lt;br&gt;&lt;br&gt;6. 책임. Tervane은 법률이 허용하는 범위 내에서 이 마법사의 사용으로 인해 발생하는 간접적 또는 결과적 손해에 대해 책임을 지지 않습니다.&lt;br&gt;&lt;br&gt;7. 해지. 귀하가 이 사용권의 조건을 위반하면 사용권이 종료되며, 이 경우 귀하는 마법사의 모든 사본을 삭제해야 합니다.</translation>
    </message>
</context>
<context>
    <name>AlreadyRegisteredPage</name>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.ui" line="+7"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera Already Registered</source>
        <translation>이미 등록된 카메라</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;이 카메라는 이미 olvaris 계정에 등록되어 있습니다. 다른 계정에 등록하려면&lt;br&gt; 카메라를 초기화해야 합니다. 그렇지 않으면 [다음]을 클릭하여 계속하세요.&lt;br&gt;&lt;br&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <location filename="../../cloud/alreadyregisteredpage.cpp" line="+37"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>olvaris에 등록하여 어디서나&lt;br&gt; 카메라에 접속하세요</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This camera is already registered to a olvaris account. If you would like to register it with&lt;br&gt;a different account, you need to reset your camera. Otherwise, click Next to continue.</source>
        <translation>이 카메라는 이미 olvaris 계정에 등록되어 있습니다. 다른 계정에 등록하려면&lt;br&gt; 카메라를 초기화해야 합니다. 그렇지 않으면 [다음]을 클릭하여 계속하세요.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Set up and secure your camera</source>
        <translation>카메라 설정 및 보안</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>카메라를 무선으로 네트워크에 연결</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>카메라를 네트워크에 연결하세요</translation>
    </message>
</context>
<context>
    <name>CameraConnectionPage</name>
    <message>
        <location filename="../../guide/cameraconnectionpage.ui" line="+12"/>
        <source>Hardware Connection</source>
        <translation>하드웨어 연결</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../guide/cameraconnectionpage.cpp" line="+86"/>
        <source>Please select your camera model for installation instructions :</source>
        <translation>설치 방법을 보려면 카메라 모델을 선택하세요:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Skip instruction</source>
        <translation>설명 건너뛰기</translation>
    </message>
    <message>
        <location filename="../../guide/cameraconnectionpage.cpp" line="-1"/>
        <source>Please select your camera connection type :</source>
        <translation>카메라 연결 방식을 선택하세요:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+76"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>카메라를 네트워크에 연결하세요</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+42"/>
        <location line="+205"/>
        <location filename="../../guide/connectionrules.cpp" line="+15"/>
        <location line="+1"/>
        <source>Direct Connection</source>
        <translation>직접 연결</translation>
    </message>
    <message>
        <location line="-251"/>
        <location line="+201"/>
        <source>Choose your connection type</source>
        <translation>연결 방식 선택</translation>
    </message>
    <message>
        <location line="-200"/>
        <location line="+249"/>
        <location filename="../../guide/connectionrules.cpp" line="-4"/>
        <source>Ethernet</source>
        <translation>이더넷</translation>
    </message>
    <message>
        <location line="-248"/>
        <location line="+248"/>
        <location filename="../../guide/connectionrules.cpp" line="+1"/>
        <source>POE(Power Over Ethernet)</source>
        <translation>PoE(이더넷 전원 공급)</translation>
    </message>
    <message>
        <location line="-247"/>
        <location line="+248"/>
        <location filename="../../guide/connectionrules.cpp" line="+1"/>
        <source>PLC(Power Line Communication)</source>
        <translation>PLC(전력선 통신)</translation>
    </message>
</context>
<context>
    <name>CloudServicesPage</name>
    <message>
        <location filename="../../cloud/cloudservicespage.ui" line="+12"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sign up for olvaris to remotely&lt;br&gt;access your camera</source>
        <translation>olvaris에 가입하여 원격으로&lt;br&gt; 카메라에 접속하세요</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+290"/>
        <source>New Account</source>
        <translation>새 계정</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../cloud/cloudservicespage.cpp" line="+0"/>
        <source>Existing Account</source>
        <translation>기존 계정</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No, thanks</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudroute.cpp" line="+30"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>카메라를 무선으로 네트워크에 연결</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudservicespage.cpp" line="-168"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>olvaris에 등록하여 어디서나&lt;br&gt; 카메라에 접속하세요</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Set up and secure your camera</source>
        <translation>카메라 설정 및 보안</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+19"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+19"/>
        <location line="+18"/>
        <location line="+31"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Verification Required</source>
        <translation>인증 필요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A verification e-mail has been sent to your e-mail address. Please click&lt;br&gt;the link in the e-mail within 7 days to verify your account.</source>
        <translation>인증 메일이 회원님의 이메일 주소로 발송되었습니다.&lt;br&gt;7일 이내에 메일의 링크를 클릭하여 계정을 인증하세요.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Cloud service not trusted</source>
        <translation>클라우드 서비스를 신뢰할 수 없음</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cloud service failed</source>
        <translation>클라우드 서비스 오류</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The olvaris service could not prove its identity, so nothing was sent to it.&lt;br&gt;Check the computer&apos;s date and time and try again, or continue without cloud services.</source>
        <translation>olvaris 서비스의 신원을 확인할 수 없어 아무 데이터도 전송하지 않았습니다.&lt;br&gt;컴퓨터의 날짜와 시간을 확인한 후 다시 시도하거나, 클라우드 서비스 없이 계속하세요.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection and try again, or continue without cloud services.</source>
        <translation>olvaris 서비스가 요청을 완료하지 못했습니다.&lt;br&gt;인터넷 연결을 확인한 후 다시 시도하거나, 클라우드 서비스 없이 계속하세요.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The olvaris service did not complete the request.&lt;br&gt;Check the Internet connection, then click &quot;%1&quot; or &quot;%2&quot; to try again, or continue without cloud services.</source>
        <translation>olvaris 서비스가 요청을 완료하지 못했습니다.&lt;br&gt;인터넷 연결을 확인한 후 &quot;%1&quot; 또는 &quot;%2&quot;을(를) 클릭하여 다시 시도하거나, 클라우드 서비스 없이 계속하세요.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The camera is on your olvaris account, but it did not confirm its registration.&lt;br&gt;Check the network connection, then click &quot;%1&quot; to try again, or continue without cloud services.</source>
        <translation>카메라가 olvaris 계정에 추가되었지만 등록을 확인하지 못했습니다.&lt;br&gt;네트워크 연결을 확인한 후 &quot;%1&quot;을(를) 클릭하여 다시 시도하거나, 클라우드 서비스 없이 계속하세요.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Camera not registered</source>
        <translation>카메라가 등록되지 않음</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cloud Services will not be available</source>
        <translation>클라우드 서비스를 사용할 수 없습니다</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please note that when skipping this&lt;br&gt;step, you will not be able to use the&lt;br&gt;olvaris service to remotely view&lt;br&gt;camera.</source>
        <translation>이 단계를 건너뛰면&lt;br&gt; olvaris 서비스를 이용하여 카메라를&lt;br&gt; 원격으로 볼 수 없습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Your</source>
        <translation>회원님의</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera is now registered with &lt;br&gt;</source>
        <translation>카메라가 &lt;br&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>olvaris and is ready to use. You can now view your&lt;br&gt;</source>
        <translation>olvaris에 등록되어 사용할 준비가 되었습니다.&lt;br&gt;이제 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera anywhere, anytime through the &lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;&lt;br&gt;</source>
        <translation>&lt;a href=&apos;%1&apos;&gt;%2olvaris&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt; </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>website, or through one of the &lt;a href=&apos;%1/apps&apos;&gt;%2mobile apps&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;; just&lt;br&gt;</source>
        <translation>웹사이트나 &lt;a href=&apos;%1/apps&apos;&gt;%2모바일 앱&lt;/span&gt;&lt;/a&gt;&lt;span style=&apos;font-size:10pt;&apos;&gt;에서&lt;br&gt; 언제 어디서나 카메라를 볼 수 있습니다.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>use the above e-mail address and the password&lt;br&gt;</source>
        <translation>로그인할 때는 위의 이메일 주소와&lt;br&gt; </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>you created to log in.&lt;br&gt;</source>
        <translation>설정한 비밀번호를 사용하세요.&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>ConfigNetworkMessageBox</name>
    <message>
        <location filename="../../setup/confignetworkmessagebox.ui" line="+7"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Configure Your Internet Connection</source>
        <translation>인터넷 연결 설정</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Please select what type of Internet connection your camera will use. If you&lt;br&gt;are not sure which type you should use, try selecting DHCP first. If your&lt;br&gt;camera is directly connected to a DSL modem, select PPPoE.&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;카메라가 사용할 인터넷 연결 방식을 선택하세요. 어떤 방식을 사용해야 할지&lt;br&gt; 모르는 경우 먼저 DHCP를 선택해 보세요. 카메라가 DSL 모뎀에 직접&lt;br&gt; 연결되어 있으면 PPPoE를 선택하세요.&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+127"/>
        <location line="+89"/>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+103"/>
        <location line="+89"/>
        <source>Local Only</source>
        <translation>로컬 전용</translation>
    </message>
    <message>
        <location line="-185"/>
        <source>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;Request a dynamic IP address from the gateway or router&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:22px&quot;&gt;&lt;font style=&quot; color:#666666;&quot;&gt;게이트웨이나 공유기에서 유동 IP 주소를 받습니다&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;Connection Type :&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; color:#666666;&quot;&gt;연결 방식:&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Static IP</source>
        <translation>고정 IP</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gateway :</source>
        <translation>게이트웨이:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Subnet :</source>
        <translation>서브넷 마스크:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>IP address :</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Primary DNS :</source>
        <translation>기본 DNS:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Secondary DNS :</source>
        <translation>보조 DNS:</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Account :</source>
        <translation>사용자 이름:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Password :</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;If you didn&apos;t know your account and password,&lt;br&gt;please contact your internet service provider.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:16px&quot;&gt;&lt;span style=&quot; color:#666666;&quot;&gt;사용자 이름과 비밀번호를 모르는 경우&lt;br&gt; 가입한 인터넷 서비스 제공업체에 문의하세요.&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../setup/confignetworkmessagebox.cpp" line="+134"/>
        <source>Please enter a valid static IP address</source>
        <translation>올바른 고정 IP 주소를 입력하세요</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>PPPoE 사용자 이름을 입력하세요</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeAPMode</name>
    <message>
        <location filename="../../guide/connectiontypeapmode.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Cloud 카메라가 준비되면&lt;br&gt; LED가 녹색으로&lt;br&gt; 바뀝니다. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;LED가 계속&lt;br&gt; 빨간색인 이유는?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;전원 연결&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;상자에서 장치를&lt;br&gt; 꺼냅니다&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeLocalView</name>
    <message>
        <location filename="../../guide/connectiontypelocalview.ui" line="+43"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Cloud 카메라가 준비되면&lt;br&gt; LED가 녹색으로&lt;br&gt; 바뀝니다. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;LED가 계속&lt;br&gt; 빨간색인 이유는?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Verdana&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Verdana&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;PMingLiU&apos;;&quot;&gt;전원 어댑터를 장치 뒷면의 전원 단자에 연결하세요. 그런 다음 어댑터를 콘센트에 꽂으세요. PoE(이더넷 전원 공급) 방식으로 카메라를 연결하는 경우 이 단계를 건너뛰세요.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../guide/connectiontypelocalview.cpp" line="+78"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;이더넷 케이블 연결&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;상자에서 장치를&lt;br&gt; 꺼냅니다&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../guide/connectiontypelocalview.cpp" line="-4"/>
        <source>Connect the power adapter to the power connector on the back of the device. Then plug the adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) connection to connect your camera.</source>
        <translation>전원 어댑터를 장치 뒷면의 전원 단자에 연결하세요. 그런 다음 어댑터를 콘센트에 꽂으세요. PoE(이더넷 전원 공급) 방식으로 카메라를 연결하는 경우 이 단계를 건너뛰세요.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;전원 연결&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeMoreThanOne</name>
    <message>
        <location filename="../../guide/connectiontypemorethanone.ui" line="+25"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Cloud 카메라가 준비되면&lt;br&gt; LED가 녹색으로&lt;br&gt; 바뀝니다. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;LED가 계속&lt;br&gt; 빨간색인 이유는?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;PoE(이더넷 전원 공급) 방식으로&lt;br&gt; 카메라를 연결하는 경우&lt;br&gt; 이 단계를 건너뛰세요.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;이더넷 케이블 연결&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;상자에서 장치를&lt;br&gt; 꺼냅니다&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;전원 연결&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../guide/connectiontypemorethanone.cpp" line="+126"/>
        <source>Ethernet</source>
        <translation>이더넷</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>POE</source>
        <translation>PoE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PLC</source>
        <translation>PLC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Direct Connection</source>
        <translation>직접 연결</translation>
    </message>
</context>
<context>
    <name>ConnectionTypeOnlyOne</name>
    <message>
        <location filename="../../guide/connectiontypeonlyone.ui" line="+13"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;The LED on the Cloud&lt;br&gt;Camera will turn green&lt;br&gt;when it is ready. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Why does&lt;br&gt;the LED stays red?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Cloud 카메라가 준비되면&lt;br&gt; LED가 녹색으로&lt;br&gt; 바뀝니다. &lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;LED가 계속&lt;br&gt; 빨간색인 이유는?&lt;/span&gt;&lt;/a&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;If you are using a PoE&lt;br&gt;(Power over Ethernet)&lt;br&gt;connection to connect your&lt;br&gt;camera, please skip this&lt;br&gt;step.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;PoE(이더넷 전원 공급) 방식으로&lt;br&gt; 카메라를 연결하는 경우&lt;br&gt; 이 단계를 건너뛰세요.&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Ethernet&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;이더넷 케이블 연결&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Get your device from the&lt;br&gt;box&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;상자에서 장치를&lt;br&gt; 꺼냅니다&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;Plug in the Power&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:14px&quot;&gt;&lt;font face=&quot;Verdana&quot; color=&quot;#333333&quot;&gt;전원 연결&lt;br&gt;&lt;br&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>DeviceSetupCompletePage</name>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.ui" line="+7"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup Complete</source>
        <translation>설정 완료</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Model Name :</source>
        <translation>모델명:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <translation>이름</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>pw</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+256"/>
        <source>Show</source>
        <translation>표시</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;If you want to enable the olvaris features of &lt;br/&gt;this camera, make sure you have a working&lt;br/&gt;Internet connection, then run this Setup&lt;br/&gt;Wizard again.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;이 카메라의 olvaris 기능을 사용하려면 &lt;br/&gt;인터넷 연결이 정상인지 확인한 다음&lt;br/&gt; 설정 마법사를&lt;br/&gt; 다시 실행하세요.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>olvaris Account :</source>
        <translation>olvaris 계정:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>account</source>
        <translation>계정</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; camera is now registered with &lt;br/&gt;olvaris and ready to use. You can now view your&lt;br/&gt;camera anywhere, anytime through the &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt;website, or through one of the &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;mobile apps&lt;/span&gt;&lt;/a&gt;; just&lt;br/&gt;use the above e-mail address and the password&lt;br/&gt;you created to log in.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;회원님의 &lt;span style=&quot; color:#00b0d0;&quot;&gt;&amp;lt;VKC-XXXL&amp;gt;&lt;/span&gt; 카메라가 &lt;br/&gt;olvaris에 등록되어 사용할 준비가 되었습니다. 이제&lt;br/&gt; &lt;a href=&quot;http://www.olvaris.invalid&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;olvaris&lt;/span&gt;&lt;/a&gt;&lt;br/&gt; 웹사이트나 &lt;a href=&quot;http://www.olvaris.invalid/apps&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;모바일 앱&lt;/span&gt;&lt;/a&gt;에서 언제 어디서나 카메라를 볼 수 있습니다.&lt;br/&gt;로그인할 때는 위의 이메일 주소와&lt;br/&gt; 설정한 비밀번호를 사용하세요.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish</source>
        <translation>마침</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Create a shortcut to your camera on your desktop</source>
        <translation>바탕 화면에 카메라 바로 가기 만들기</translation>
    </message>
    <message>
        <location filename="../../cloud/devicesetupcompletepage.cpp" line="+3"/>
        <source>Hide</source>
        <translation>숨기기</translation>
    </message>
</context>
<context>
    <name>DeviceSetupPage</name>
    <message>
        <location filename="../../setup/devicesetuppage.ui" line="+28"/>
        <location filename="../../setup/devicesetuppage.cpp" line="+146"/>
        <location line="+29"/>
        <source>Give Your Camera a Name and&lt;br&gt;Password</source>
        <translation>카메라의 이름과 비밀번호를&lt;br&gt; 설정하세요</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Camera Name :</source>
        <translation>카메라 이름:</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../setup/devicesetuppage.cpp" line="-4"/>
        <location filename="../../setup/passwordlayout.cpp" line="+26"/>
        <source>Camera Password :</source>
        <translation>카메라 비밀번호:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Retype Password :</source>
        <translation>비밀번호 확인:</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Model Name :</source>
        <translation>모델명:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Start :</source>
        <translation>시작:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>End :</source>
        <translation>종료:</translation>
    </message>
    <message>
        <location line="+78"/>
        <location line="+49"/>
        <source>Sun</source>
        <extracomment>day of the week</extracomment>
        <translation>일요일</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Mon</source>
        <extracomment>day of the week</extracomment>
        <translation>월요일</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Tue</source>
        <extracomment>day of the week</extracomment>
        <translation>화요일</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Wed</source>
        <extracomment>day of the week</extracomment>
        <translation>수요일</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Thu</source>
        <extracomment>day of the week</extracomment>
        <translation>목요일</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Fri</source>
        <extracomment>day of the week</extracomment>
        <translation>금요일</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+49"/>
        <source>Sat</source>
        <extracomment>day of the week</extracomment>
        <translation>토요일</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Month</source>
        <translation>월</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Week</source>
        <translation>주</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Day of Week</source>
        <translation>요일</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Offset :</source>
        <translation>오프셋:</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Forgot Password&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;비밀번호를 잊으셨나요?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Time Zone :</source>
        <translation>표준 시간대:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable daylight saving</source>
        <translation>일광 절약 시간 사용</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Manual</source>
        <translation>수동</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(Password is 6-30 alphanumeric characters&lt;br&gt;with no spaces)</source>
        <translation>(비밀번호는 공백 없이 영문자와&lt;br&gt; 숫자 6~30자)</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_p.h" line="+38"/>
        <source>Register with olvaris for anywhere access to&lt;br&gt;your camera</source>
        <translation>olvaris에 등록하여 어디서나&lt;br&gt; 카메라에 접속하세요</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-22"/>
        <source>Set up and secure your camera</source>
        <translation>카메라 설정 및 보안</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../setup/passwordlayout.cpp" line="+6"/>
        <source>Current Password :</source>
        <translation>현재 비밀번호:</translation>
    </message>
    <message>
        <location line="+194"/>
        <location line="+16"/>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="+405"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>카메라를 네트워크에 연결하세요</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_password.cpp" line="+43"/>
        <source>Password mismatch. Please type in the password again.</source>
        <translation>비밀번호가 일치하지 않습니다. 비밀번호를 다시 입력하세요.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_checks.cpp" line="-269"/>
        <source>Connect your camera to your network wirelessly</source>
        <translation>카메라를 무선으로 네트워크에 연결</translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Please check your password, and make sure it is 6-30 alphanumeric&lt;br&gt;characters with no spaces.</source>
        <translation>비밀번호를 확인하세요.&lt;br&gt;공백 없이 영문자와 숫자 6~30자여야 합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check your password, and make sure it is 6-30 with no spaces.</source>
        <translation>비밀번호를 확인하세요. 공백 없이 6~30자여야 합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+14"/>
        <source>Could not connect to Internet</source>
        <translation>인터넷에 연결할 수 없음</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Could not connect to the Internet. Click Close, check your settings, and try again.&lt;br&gt;</source>
        <translation>인터넷에 연결할 수 없습니다. [닫기]를 클릭하고 설정을 확인한 후 다시 시도하세요.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Could not connect to the Internet. Click Retry to try again.&lt;br&gt;If you still can&apos;t connect, you can try resetting your camera, then running the setup wizard again.</source>
        <translation>인터넷에 연결할 수 없습니다. [다시 시도]를 클릭하여 다시 시도하세요.&lt;br&gt;그래도 연결할 수 없으면 카메라를 초기화한 다음 설정 마법사를 다시 실행해 보세요.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Local View</source>
        <translation>로컬 보기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage_manual.cpp" line="+31"/>
        <source>Configure Your Internet Connection</source>
        <translation>인터넷 연결 설정</translation>
    </message>
    <message>
        <location filename="../../setup/setupinput.cpp" line="+14"/>
        <source>Please check that your password is 6-30 alphanumeric characters with no spaces.</source>
        <translation>비밀번호가 공백 없이 영문자와 숫자 6~30자인지 확인하세요.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please check that your password is 6-30 characters with no spaces.</source>
        <translation>비밀번호가 공백 없이 6~30자인지 확인하세요.</translation>
    </message>
    <message>
        <location filename="../../setup/devicesetuppage.cpp" line="-153"/>
        <source>Please check your device name, and make sure it is less than 32 characters long, and must&lt;br&gt;contain only letters and numbers</source>
        <translation>장치 이름을 확인하세요. 32자 미만이어야 하며&lt;br&gt; 영문자와 숫자만 사용할 수 있습니다</translation>
    </message>
    <message>
        <location filename="../../setup/manualnetwork.cpp" line="+35"/>
        <source>Please enter the IP address of your Primary DNS server</source>
        <translation>기본 DNS 서버의 IP 주소를 입력하세요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a valid static IP address</source>
        <translation>올바른 고정 IP 주소를 입력하세요</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please enter the PPPoE account</source>
        <translation>PPPoE 사용자 이름을 입력하세요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the PPPoE password</source>
        <translation>PPPoE 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please remove &quot;;&quot; and &quot;=&quot; from the PPPoE account</source>
        <translation>PPPoE 사용자 이름에서 &quot;;&quot;와 &quot;=&quot;를 삭제하세요</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please use only Western European characters</source>
        <translation>서유럽 문자만 사용하세요</translation>
    </message>
</context>
<context>
    <name>DeviceWiFiChangePage</name>
    <message>
        <location filename="../../wifi/devicewifichangepage.ui" line="+31"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Connect with Wireless?</source>
        <translation>무선으로 연결하시겠습니까?</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Enter Manually</source>
        <translation>직접 입력</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Select &lt; Your Home Wi-Fi &gt;</source>
        <translation>&lt; 집의 Wi-Fi &gt; 선택</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The WPS LED will be turned off after it connects to your router, then the status LED will be green.</source>
        <translation>공유기에 연결되면 WPS 표시등이 꺼지고 상태 표시등이 녹색으로 켜집니다.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Within one minute, press the WPS button on your router.</source>
        <translation>1분 이내에 공유기의 WPS 버튼을 누르세요.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the WPS button on your camera for 6 seconds. The WPS LED will start flashing blue.</source>
        <translation>카메라의 WPS 버튼을 6초 동안 누르세요. WPS 표시등이 파란색으로 깜박이기 시작합니다.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Unplug the Ethernet cable from your Vistrel.</source>
        <translation>Vistrel에서 이더넷 케이블을 분리하세요.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No, thanks</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_p.h" line="+80"/>
        <location filename="../../wifi/devicewifichangepage_waits.cpp" line="+210"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage.cpp" line="+200"/>
        <source>Set up and secure your camera</source>
        <translation>카메라 설정 및 보안</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_survey.cpp" line="+121"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Enter Wi-Fi Password</source>
        <translation>Wi-Fi 비밀번호 입력</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Wi-Fi 이름(SSID):</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wi-Fi Password :</source>
        <translation>Wi-Fi 비밀번호:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Enter Your Wi-Fi Network Information</source>
        <translation>Wi-Fi 네트워크 정보를 입력하세요</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+34"/>
        <source>Please enter the wireless password</source>
        <translation>무선 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Please enter the Network Name (SSID)</source>
        <translation>네트워크 이름(SSID)을 입력하세요</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_waits.cpp" line="-15"/>
        <location line="+22"/>
        <source>Could Not Connect Wirelessly</source>
        <translation>무선으로 연결할 수 없음</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Could not save your wireless settings, Please try again and make sure your&lt;br&gt;Ethernet cable is plugged.</source>
        <translation>무선 설정을 저장할 수 없습니다. 이더넷 케이블이 연결되어 있는지 확인한 후&lt;br&gt; 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove Your Ethernet Cable</source>
        <translation>이더넷 케이블 분리</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the Ethernet cable from your camera, then&lt;br&gt;click OK.&lt;br&gt;&lt;br&gt;</source>
        <translation>카메라에서 이더넷 케이블을 분리한 다음&lt;br&gt;[확인]을 클릭하세요.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your camera could not connect to your Wi-Fi&lt;br&gt;network. Please reconnect the Ethernet cable&lt;br&gt;to your camera, then click OK to set up your&lt;br&gt;wireless settings again.&lt;br&gt;&lt;br&gt;</source>
        <translation>카메라를 Wi-Fi 네트워크에&lt;br&gt; 연결할 수 없습니다.&lt;br&gt;카메라에 이더넷 케이블을 다시 연결한 다음&lt;br&gt;[확인]을 클릭하여 무선 설정을 다시 진행하세요.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location filename="../../wifi/devicewifichangepage_search.cpp" line="+31"/>
        <source>What is WPS?</source>
        <translation>WPS란?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wi-Fi Protected Setup (WPS) allows you to&lt;br&gt;set up a secure wireless connection&lt;br&gt;quickly, easily and automatically.&lt;br&gt;Most modern routers have a WPS button. On&lt;br&gt;some routers you may need to log in to the&lt;br&gt;web interface and then click on an on-screen&lt;br&gt;button to activate the WPS feature. Check your&lt;br&gt;router&apos;s user manual from more details.&lt;br&gt;&lt;br&gt;</source>
        <translation>WPS(Wi-Fi Protected Setup)를 사용하면&lt;br&gt; 안전한 무선 연결을 빠르고 쉽게&lt;br&gt; 자동으로 설정할 수 있습니다.&lt;br&gt;대부분의 최신 공유기에는 WPS 버튼이&lt;br&gt; 있습니다. 일부 공유기에서는 웹 관리&lt;br&gt; 화면에 로그인한 후 화면의 버튼을&lt;br&gt; 클릭해야 WPS 기능이 켜집니다. 자세한&lt;br&gt; 내용은 공유기 사용 설명서를&lt;br&gt; 참조하세요.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Could Not Connect WPS</source>
        <translation>WPS로 연결할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The wizard could not communicate with your camera. Please follow the&lt;br&gt;instructions and try again.</source>
        <translation>마법사가 카메라와 통신할 수 없습니다. 안내에 따라&lt;br&gt; 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Could Not Connect Internet</source>
        <translation>인터넷에 연결할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure your Ethernet cable is plugged and try again.</source>
        <translation>이더넷 케이블이 연결되어 있는지 확인한 후 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>DiscoveryPage</name>
    <message>
        <location filename="../../setup/discoverypage.ui" line="+25"/>
        <source>Select Your Camera</source>
        <translation>카메라 선택</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Password :</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Confirm Password :</source>
        <translation>비밀번호 확인:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>검색</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;Can&apos;t find your camera?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;카메라를 찾을 수 없나요?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</source>
        <translation>&lt;a href=&quot;blank&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#00b0d0;&quot;&gt;?&lt;/a&gt;&lt;/span &gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:18px&quot;&gt;No devices found. Click Scan to try searching again,&lt;br&gt; or click Back to check your connection settings.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:18px&quot;&gt;장치를 찾을 수 없습니다. [검색]을 클릭하여 다시 검색하거나&lt;br&gt; [뒤로]를 클릭하여 연결 설정을 확인하세요.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Camera Name</source>
        <translation>카메라 이름</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <location filename="../../setup/discoverypage.cpp" line="+274"/>
        <source>Model Name :</source>
        <translation>모델명:</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Let&apos;s connect the camera to your network</source>
        <translation>카메라를 네트워크에 연결하세요</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Could Not Find Your Camera</source>
        <translation>카메라를 찾을 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Scan to try searching again, or click Back to check your connection&lt;br&gt;settings.&lt;br&gt;&lt;br&gt;</source>
        <translation>[검색]을 클릭하여 다시 검색하거나&lt;br&gt;[뒤로]를 클릭하여 연결 설정을 확인하세요.&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What is a MAC ID?</source>
        <translation>MAC 주소란?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A MAC ID is a unique network identification code for a device.&lt;br&gt;The MAC ID is printed on the label attached your device.&lt;br&gt;&lt;br&gt;</source>
        <translation>MAC 주소는 장치 고유의 네트워크 식별 코드입니다.&lt;br&gt;MAC 주소는 장치에 부착된 라벨에 인쇄되어 있습니다.&lt;br&gt;&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../shell/launcher.ui" line="+6"/>
        <source>olvaris Launcher</source>
        <translation>olvaris 런처</translation>
    </message>
    <message>
        <location filename="../../shell/launcher.cpp" line="+71"/>
        <source>Welcome</source>
        <translation>환영합니다</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set up your camera</source>
        <translation>카메라 설정</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install the viewer software</source>
        <translation>뷰어 소프트웨어 설치</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the manual</source>
        <translation>설명서 보기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install a PDF reader</source>
        <translation>PDF 리더 설치</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+43"/>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>예</translation>
    </message>
</context>
<context>
    <name>LedHints</name>
    <message>
        <location filename="../../guide/connectionpanel.cpp" line="+29"/>
        <source>Why does the LED stay red?</source>
        <translation>LED가 계속 빨간색인 이유는?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please check for the following:&lt;br&gt;1. Make sure your cables are securely connected.&lt;br&gt;2. Try powering off your Vistrel, then turning it on again.&lt;br&gt;3. If the LED still stays red, you can try Resetting your Vistrel.&lt;br&gt;4. Check to make sure that your modem or router is functioning properly.&lt;br&gt;</source>
        <translation>다음 사항을 확인하세요.&lt;br&gt;1. 케이블이 제대로 연결되어 있는지 확인하세요.&lt;br&gt;2. Vistrel의 전원을 껐다가 다시 켜 보세요.&lt;br&gt;3. LED가 계속 빨간색이면 Vistrel을 초기화해 보세요.&lt;br&gt;4. 모뎀이나 공유기가 정상적으로 작동하는지 확인하세요.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../guide/resethint.h" line="+36"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location filename="../../guide/resethint.h" line="-9"/>
        <source>Reset Your Camera</source>
        <translation>카메라 초기화</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 seconds while the camera is plugged in. After resetting your camera, click the Start Over button to start the Setup Wizard again.&lt;br&gt;</source>
        <translation>카메라 전원이 연결된 상태에서 펼친 클립으로 카메라의 리셋 버튼을&lt;br&gt;10초 이상 누르고 계세요. 카메라를 초기화한 후 [다시 시작]을 클릭하여&lt;br&gt; 설정 마법사를 다시 시작하세요.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start Over</source>
        <translation>다시 시작</translation>
    </message>
</context>
<context>
    <name>Mainpage</name>
    <message>
        <location filename="../../shell/mainpage.ui" line="+6"/>
        <location filename="../../shell/mainpage.cpp" line="+151"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris 설정 마법사</translation>
    </message>
    <message>
        <location filename="../../shell/mainpage.cpp" line="-2"/>
        <source>Zero config</source>
        <translation>자동 구성</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do you really want to exit?</source>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>예</translation>
    </message>
</context>
<context>
    <name>OppsPage</name>
    <message>
        <location filename="../../welcome/oppspage.ui" line="+25"/>
        <source>No Internet Connection</source>
        <translation>인터넷 연결 없음</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;Your computer needs to be connected to the Internet to&lt;br&gt; check for new version of the setup wizard and to register&lt;br&gt; your camera with olvaris for remote viewing.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;설정 마법사의 새 버전을 확인하고 원격으로 보기 위해&lt;br&gt; 카메라를 olvaris에 등록하려면 컴퓨터가&lt;br&gt; 인터넷에 연결되어 있어야 합니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../welcome/oppspage.cpp" line="+103"/>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Local Only</source>
        <translation>로컬 전용</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p style=&quot;line-height:24px&quot;&gt;You can click &lt;b&gt;Retry&lt;/b&gt; to try again, or click &lt;b&gt;Local &lt;br&gt;Only&lt;/b&gt; to set up your camera for local viewing only.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;line-height:24px&quot;&gt;&lt;b&gt;다시&amp;nbsp;시도&lt;/b&gt;를 클릭하여 다시 시도하거나,&lt;br&gt;&lt;b&gt;로컬&amp;nbsp;전용&lt;/b&gt;을 클릭하여 카메라를 로컬 보기 전용으로 설정할 수 있습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../welcome/oppspage.cpp" line="-31"/>
        <source>Local Viewing Only</source>
        <translation>로컬 보기 전용</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please note that when setting this&lt;br&gt; camera up for local viewing only, you will&lt;br&gt; not be able to use the olvaris service&lt;br&gt; to remotely view camera.&lt;br&gt;&lt;br&gt;If you would like to enable these features,&lt;br&gt;please make sure you are connected to&lt;br&gt;the Internet before running this wizard.</source>
        <translation>이 카메라를 로컬 보기 전용으로&lt;br&gt; 설정하면 olvaris 서비스를 이용하여&lt;br&gt; 카메라를 원격으로 볼 수 없습니다.&lt;br&gt;&lt;br&gt;이 기능을 사용하려면 마법사를&lt;br&gt; 실행하기 전에 인터넷에&lt;br&gt; 연결되어 있는지 확인하세요.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Do you really want to exit?</source>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes</source>
        <translation>예</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <location filename="../../welcome/welcomepage.ui" line="+12"/>
        <location filename="../../welcome/welcomepage.cpp" line="+564"/>
        <source>olvaris Setup Wizard</source>
        <translation>olvaris 설정 마법사</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../welcome/welcomepage.cpp" line="-8"/>
        <source>Welcome</source>
        <translation>환영합니다</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../welcome/welcomepage.cpp" line="+1"/>
        <source>Choose your language :</source>
        <translation>언어를 선택하세요:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../welcome/welcomepage.cpp" line="+490"/>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage.cpp" line="-489"/>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Portugal)</source>
        <translation>포르투갈어(포르투갈)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese(Brazil)</source>
        <translation>포르투갈어(브라질)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech</source>
        <translation>체코어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Danish</source>
        <translation>덴마크어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>그리스어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatian</source>
        <translation>크로아티아어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungarian</source>
        <translation>헝가리어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dutch</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norwegian</source>
        <translation>노르웨이어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polish</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romanian</source>
        <translation>루마니아어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenian</source>
        <translation>슬로베니아어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swedish</source>
        <translation>스웨덴어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finnish</source>
        <translation>핀란드어</translation>
    </message>
    <message>
        <location line="+297"/>
        <source>Choose your model</source>
        <translation>모델 선택</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may have a web browser window open or another Setup Wizard&lt;br&gt;may be running. Please close your web browser and any Setup Wizard&lt;br&gt;that may be running before opening this program.</source>
        <translation>웹 브라우저 창이 열려 있거나&lt;br&gt; 다른 설정 마법사가 실행 중일 수 있습니다.&lt;br&gt;이 프로그램을 열기 전에 웹 브라우저와&lt;br&gt; 실행 중인 설정 마법사를 모두 닫으세요.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location filename="../../welcome/welcomepage_update.cpp" line="+154"/>
        <source>New Version Available</source>
        <translation>새 버전 사용 가능</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new version of the setup wizard is available, please update to the latest version.</source>
        <translation>설정 마법사의 새 버전이 있습니다. 최신 버전으로 업데이트하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Download Successful</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest Setup Wizard has been downloaded successfully. Please click OK to close this wizard and launch the new one.</source>
        <translation>최신 설정 마법사를 다운로드했습니다.&lt;br&gt;[확인]을 클릭하면 이 마법사를 닫고 새 마법사를 실행합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Download Path Error</source>
        <translation>다운로드 경로 오류</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select another folder to save to, or click &lt;b&gt;Exit&lt;/b&gt; to the close Setup Wizard&lt;br&gt;and go to %1 to manually download the latest version of the&lt;br&gt;Setup Wizard.</source>
        <translation>저장할 다른 폴더를 선택하거나 &lt;b&gt;종료&lt;/b&gt;를 클릭하여 설정 마법사를 닫은 다음&lt;br&gt; %1에서 최신 버전의 설정 마법사를&lt;br&gt; 직접 다운로드하세요.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Cannot Save to This Folder</source>
        <translation>이 폴더에 저장할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The setup wizard cannot write to the folder you chose, so the new version cannot be saved there.&lt;br&gt;Please click &lt;b&gt;%1&lt;/b&gt; and choose another folder.</source>
        <translation>설정 마법사가 선택한 폴더에 쓸 수 없어 새 버전을 저장할 수 없습니다.&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;을(를) 클릭하고 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Download Error</source>
        <translation>다운로드 오류</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please click &lt;b&gt;Retry&lt;/b&gt; to download the update again, or go to %1&lt;br&gt;to manually download the latest version of the Setup Wizard.&lt;br&gt;</source>
        <translation>&lt;b&gt;다시&amp;nbsp;시도&lt;/b&gt;를 클릭하여 업데이트를 다시 다운로드하거나&lt;br&gt; %1에서 최신 버전의 설정 마법사를 직접 다운로드하세요.&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
</context>
<context>
    <name>WirelessMessageBox</name>
    <message>
        <location filename="../../wifi/wirelessmessagebox.ui" line="+19"/>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+179"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="-159"/>
        <location line="+220"/>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <location line="-198"/>
        <location line="+248"/>
        <source>Wi-Fi Name (SSID) :</source>
        <translation>Wi-Fi 이름(SSID):</translation>
    </message>
    <message>
        <location line="-223"/>
        <location line="+248"/>
        <source>Wi-Fi Password :</source>
        <translation>Wi-Fi 비밀번호:</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Encryption Type :</source>
        <translation>암호화 방식:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Security Type :</source>
        <translation>보안 방식:</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessmessagebox.cpp" line="+53"/>
        <location line="+2"/>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Open(WEP)</source>
        <translation>개방형(WEP)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shared(WEP)</source>
        <translation>공유 키(WEP)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WPA-PSK</source>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WPA2-PSK</source>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WPA or WPA2</source>
        <translation>WPA 또는 WPA2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP,64bit</source>
        <translation>WEP, 64비트</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WEP,128bit</source>
        <translation>WEP, 128비트</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AES</source>
        <translation>AES</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TKIP</source>
        <translation>TKIP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TKIP or AES</source>
        <translation>TKIP 또는 AES</translation>
    </message>
    <message>
        <location filename="../../wifi/wirelessrules.cpp" line="+13"/>
        <source>Could not save your wireless settings. Please try again.</source>
        <translation>무선 설정을 저장할 수 없습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wireless password can only be 5 or 13 ASCII characters, or&lt;br&gt;10 or 26 HEX.</source>
        <translation>무선 비밀번호는 ASCII 문자 5자 또는 13자, 또는&lt;br&gt;16진수 10자리 또는 26자리만 사용할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wireless password only supports 8-63 ASCII characters, or&lt;br&gt;64 HEX.</source>
        <translation>무선 비밀번호는 ASCII 문자 8~63자 또는&lt;br&gt;16진수 64자리만 사용할 수 있습니다.</translation>
    </message>
</context>
</TS>
