#pragma once

#include "device/AudioLightInfoRecord.h"
#include "device/DeviceIdentity.h"
#include "device/DeviceProtocol.h"
#include "device/EntryTimerPlan.h"
#include "device/DeviceChannels.h"
#include "device/DevicePageControls.h"
#include "device/KeyAssignment.h"
#include "device/KeyEffectState.h"
#include "device/LedColour.h"
#include "device/LightEffects.h"
#include "device/LightFrameSender.h"
#include "device/LightInfoRecord.h"
#include "device/LightListPlayer.h"
#include "device/LightThread.h"
#include "ui/HorizontalLayout.h"
#include "ui/NotifyPump.h"
#include "ui/WindowHandle.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

// The base of the device classes. One object stands for one device kind of
// the device selector and is two things at once: the device's page set in
// the main window (a horizontal layout built from the kind's page layout) and
// the device's driver (its command channel and notification interfaces, the
// light state and LED frame, the light and notification threads).
//
// Threads: the UI thread runs every operation unless noted; the light thread
// runs RunLightTick (and through it the effects) under the light lock; the
// notification threads read their interface and call OnDeviceNotification.
// Both reach the object only through their gate, so a thread left behind at
// its time limit never touches a freed object. A derived class calls
// StopThreads() first in its destructor, before its own members go.
class CKestrelUSBDevice : public ui::HorizontalLayout, public ui::NotifyPump, public ui::NotifyReceiver {
public:
    CKestrelUSBDevice();
    ~CKestrelUSBDevice() override;

    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;
    void Notify(ui::Notification& notification) override;

    // Set-up, called by the main window in this order after it built the page.
    void SetPageLayout(std::string layout) { pageLayout_ = std::move(layout); }
    void SetMainWindow(ui::WindowHandle window) { mainWindow_ = window; }
    void SetKeyButtonCount(int count);
    // Resizes the LED frame, the per-LED records and the light control list;
    // the frame and the records are zeroed even when the count is unchanged.
    void SetLedCount(int count);
    void SetKindRow(int row) { kindRow_ = row; }
    void SetPageFlag(int flag) { pageFlag_ = flag; }
    void SetProfileName(std::string name) { profileName_ = std::move(name); }
    void SetFolderName(std::string name) { folderName_ = std::move(name); }
    void SetPowerWidget(ui::Control* widget) { powerWidget_ = widget; }
    // Kind() and Role() answer from it.
    void SetIdentity(const DeviceIdentity& identity) { identity_ = identity; }
    void SetLightConfigName(std::string name) { lightConfigName_ = std::move(name); }
    // The selector entry whose timers drive the device (not owned).
    void SetSelectorEntry(ui::Control* entry) { selectorEntry_ = entry; }

    const std::string& PageLayout() const { return pageLayout_; }
    ui::WindowHandle MainWindow() const { return mainWindow_; }
    int KeyButtonCount() const { return static_cast<int>(page_.KeyButtons().size()); }
    int LedCount() const;
    int KindRow() const { return kindRow_; }
    int PageFlag() const { return pageFlag_; }
    const std::string& ProfileName() const { return profileName_; }
    const std::string& FolderName() const { return folderName_; }
    ui::Control* PowerWidget() const { return powerWidget_; }
    const DeviceIdentity& Identity() const { return identity_; }
    int Kind() const { return identity_.kind; }
    int Role() const { return identity_.role; }
    const std::string& LightConfigName() const { return lightConfigName_; }
    ui::Control* SelectorEntry() const { return selectorEntry_; }

    // The main window's switches.
    // The lighting-control switch: while 0 no light frame is sent; switching
    // it on makes the keyboard take host lighting (command 0x1C).
    void SetHostLighting(int state);
    int HostLighting() const { return hostLighting_; }
    // Set while the main window is active and the pointer is over it: only
    // then is the LED preview repainted.
    void SetWindowActive(int flag) { windowActive_ = flag; }
    int WindowActive() const { return windowActive_; }
    // Kept only by a device with a power widget.
    void SetStatusPollingSuspended(int flag);
    int StatusPollingSuspended() const { return statusPollingSuspended_; }
    void SetSyncLighting(int flag) { syncLighting_ = flag; }
    int SyncLighting() const { return syncLighting_; }
    void SetPickedColour(uint32_t red, uint32_t green, uint32_t blue) { pickedColour_ = {red, green, blue}; }
    std::array<uint32_t, 3> PickedColour() const { return pickedColour_; }
    int SelectedKey() const { return selectedKey_; }

    // Command interface, on the main window's arrival and removal messages:
    // opens `entry`'s path on the route of its kind (the receiver for kinds
    // 6 and 9) for reading and writing under the channel's I/O lock.
    bool OpenCommandInterface(const DeviceIdentity& entry);
    void CloseCommandInterface();
    // The same product arrived or left on its other route while connected:
    // closes the current interface and opens `entry`'s; answers what the
    // selector entry does next.
    EntryTimerPlan SwitchRoute(const DeviceIdentity& entry);
    DeviceProtocol& CommandChannel() { return channels_.Command(); }
    bool IsCommandOpen() const { return channels_.IsCommandOpen(); }
    bool ViaReceiver() const { return channels_.ViaReceiver(); }
    // The interface the command channel last opened.
    const DeviceIdentity& CommandInterface() const { return commandInterface_; }

    // Notification interfaces (direct for kinds 1, 2, 3; receiver for 6, 9),
    // each with its listener thread.
    bool OpenNotificationInterface(const DeviceIdentity& entry);
    bool ReopenNotificationInterface(const DeviceIdentity& entry);
    void CloseNotificationInterface(int kind);
    bool IsNotificationOpen(bool receiver) const { return channels_.IsNotificationOpen(receiver); }
    bool IsNotificationListening(bool receiver) const { return channels_.IsListening(receiver); }

    // The selector entry's timers: runs the duty of timer `id` and answers
    // what the entry does next. `entryVisible` is the entry's state now.
    EntryTimerPlan RunEntryTimer(uint32_t id, bool entryVisible);

    // The light thread.
    void StartLightThread();
    void StopLightThread();
    bool IsLightThreadRunning() const { return lightThread_.IsRunning(); }
    // One light-thread tick: counts it and runs the current mode's effect
    // once the mode's threshold of ticks for the speed is reached. True when
    // that effect's frame stays as it is until the light state changes.
    bool RunLightTick();
    // The millisecond clock of blinking and of the pause after a failed frame.
    void SetClock(std::function<uint32_t()> clock) { clock_ = std::move(clock); }
    uint32_t NowMs() const { return clock_(); }
    LightInfoRecord LightState() const;
    EffectCounters Counters() const;
    std::vector<LedColour> Frame() const;
    LightListPlayer& LightList() { return lightList_; }
    const LightFrameSender& FrameSender() const { return frameSender_; }
    std::vector<LightInfoRecord> LedRecords() const;
    void SetLedRecords(std::vector<LightInfoRecord> records);

    // Where the device's files live: the shipped default profile, and the
    // user's folder for the kind with the profile and the light configuration.
    std::string DefaultProfilePath() const;
    std::string UserFolder() const;
    std::string ProfilePath() const;
    std::string LightConfigPath() const;

    // The per-key effect state (keyboard ring effects, mouse ripple).
    KeyEffectState KeyEffects() const;
    void SetRingEntry(size_t position, uint8_t value);
    const DevicePageControls& PageControls() const { return page_; }

    // The operations every device class answers, in their slot order.
    virtual void BindPageControls();
    virtual int ApplyLightSettings();
    virtual void EffectBreathing();
    virtual void EffectBreathingBasic();
    virtual void EffectStatic();
    virtual void EffectSpectrum();
    virtual void EffectBlink();
    virtual void EffectBlinkBasic();
    virtual void EffectOff();
    virtual void SendLightFrame();
    // value: red in the low byte, then green, blue, intensity.
    virtual void SetLedColour(int index, uint32_t value);
    virtual uint32_t GetLedColour(int index) const;
    virtual void ConnectDevice();
    virtual void ReadDeviceSettings();
    virtual void OnTimer1003();
    virtual void OnTimer1004();
    virtual void ReadPowerStatus();
    virtual int IsLinkUp();
    virtual int LoadProfile();
    virtual void ShowSettings();
    virtual void ValidateMacroKeys();
    virtual void ReloadProfile();
    virtual std::vector<int> GetMacroRecords();
    virtual int WriteKeyAssignments(int bank, const std::vector<KeyAssignmentEntry>& assignments);
    virtual int WriteKeyLights(int bank);
    virtual int WriteMacros(const std::vector<int>& usedMacros);
    virtual int WriteProfileRecord(int profile, int firstByte, int flag, int width, int height);
    virtual void LoadPresetDocuments();
    virtual void SetKeyNameMap(std::map<int, std::string> names);
    virtual void DecayKeyEffect(int key, int mode);
    virtual void LightRingKeys();
    virtual void RotateRing(int direction);
    virtual void ResetKeyEffects();
    virtual void ShowPage(int page);
    virtual int GetPage() const;
    virtual int OpenProfileFiles();
    virtual std::string GetProfileName() const;
    virtual void SaveProfile();
    virtual void SetLightPresetIndex(int index);
    virtual int GetLightPresetIndex() const;
    virtual void SetLightState(const LightInfoRecord& record);
    // Whether `mode` indexes the device's mode list (its kind's list in the
    // light preset document, read by LoadPresetDocuments).
    bool HasLightMode(int mode) const
    {
        return mode >= 0 && static_cast<size_t>(mode) < defaultLightNames_.size();
    }
    // The record as three values: bytes 0 to 3, bytes 4 to 7 and byte 8,
    // each in little-endian order.
    virtual void SetAudioLightRecord(uint32_t first, uint32_t second, uint32_t third);
    virtual AudioLightInfoRecord GetAudioLightRecord();
    virtual void SelectKey(int index);
    virtual void SetMusicLevels(const int* levels, int count);
    virtual void SetExternalValues(const int* values, int count);

protected:
    // One light mode of a class: its effect and the ticks per step by
    // speed. A steady effect gives the same frame for the same light state
    // (a static colour, off), so the light thread sleeps after running it
    // until something changes.
    struct LightModeRow {
        std::array<uint8_t, 5> thresholds;
        void (CKestrelUSBDevice::*effect)();
        bool steady = false;
    };
    // The class's modes by mode index. The base lists its seven effects.
    virtual std::span<const LightModeRow> LightModes() const;
    // A mode outside the table: the base plays the LED effect list.
    virtual void LightFallback();
    // A device event read by a notification thread, on that thread: 0x401
    // (settings changed on the device) starts the entry's timer 1002.
    virtual void OnDeviceNotification(uint16_t code);
    virtual uint32_t ReadSettingsDelayMs() const { return 50; }
    virtual std::string LightThreadExitLine() const { return "MS灯光线程设定退出"; }
    virtual std::string NotificationExitLine() const { return "MS 设备同步线程设定退出"; }

    // The link of the command channel: opened, routed through the receiver
    // and answering. What the mouse and keyboard give as IsLinkUp.
    int CommandLinkUp();
    // Wakes a light thread that sleeps on a steady frame; the light state,
    // the frame and everything else an effect reads call it when they change.
    void WakeLightThread() { lightWake_->Set(); }
    // Starts (or restarts) a timer of the selector entry; from any thread.
    void StartEntryTimer(uint32_t id, uint32_t delayMs);
    // Stops the light thread and both notification threads.
    void StopThreads();

    // For the effects, with the light lock held.
    std::span<LedColour> FrameLocked() { return frame_; }
    LightInfoRecord& StateLocked() { return lightState_; }
    EffectCounters& CountersLocked() { return counters_; }
    KeyEffectState& KeyEffectsLocked() { return keyEffects_; }
    std::recursive_mutex& LightLock() const { return lightLock_; }
    DevicePageControls& PageControlsMutable() { return page_; }

    // Preset lists, filled by the classes from the preset documents.
    std::vector<std::string> areaLightNames_;
    std::vector<std::string> defaultLightNames_;
    std::vector<int> defaultLightVisible_;
    std::vector<int> defaultLightModes_;
    std::vector<std::string> lightInfoNames_;
    std::vector<std::string> macroNames_;
    std::map<int, std::string> keyNameMap_;

private:
    EntryTimerPlan OnConnectTimer();
    EntryTimerPlan OnLightTimer();
    EntryTimerPlan OnPowerTimer();
    EntryTimerPlan OnLinkWatchTimer(bool entryVisible);

    // Identity and wiring.
    DeviceIdentity identity_;
    DeviceIdentity commandInterface_; // the interface the command channel has open
    int kindRow_ = -1;
    ui::WindowHandle mainWindow_;
    ui::Control* selectorEntry_ = nullptr;
    ui::Control* powerWidget_ = nullptr;
    std::string folderName_;
    std::string profileName_;
    std::string lightConfigName_;
    std::string pageLayout_;
    int pageFlag_ = 0;
    int lightPresetIndex_ = 0;
    int pageIndex_ = 1;

    DeviceChannels channels_;

    DevicePageControls page_;

    // Light data, under the light lock.
    mutable std::recursive_mutex lightLock_;
    std::vector<LedColour> frame_;
    LightInfoRecord lightState_;
    EffectCounters counters_;
    int tickCount_ = 0;
    KeyEffectState keyEffects_;
    // The light tick's copy of the frame, sized with it, so sending allocates nothing.
    std::vector<LedColour> frameCopy_;
    mutable std::mutex ledRecordsLock_;
    std::vector<LightInfoRecord> ledRecords_;
    LightListPlayer lightList_;
    LightFrameSender frameSender_;

    int hostLighting_ = 0;
    int windowActive_ = 0;
    int statusPollingSuspended_ = 0;
    int syncLighting_ = 0;
    std::array<uint32_t, 3> pickedColour_{};
    int selectedKey_ = -1;
    AudioLightInfoRecord audioLightRecord_;
    std::function<uint32_t()> clock_;

    LightThread lightThread_;
    std::shared_ptr<StopEvent> lightWake_ = std::make_shared<StopEvent>();
};
