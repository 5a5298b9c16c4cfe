#include "pages/blocks/AnalogTemplates.h"

#include "pages/blocks/AnalogPageIds.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/TemplateBuilder.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"

namespace {

void AddNameRow(CTemplateBuilder& t)
{
    t.Label(IDC_BLOCK_NAME_LABEL, _T("Block name"), CRect(10, 10, 62, 20));
    t.Edit(IDC_BLOCK_NAME, CRect(64, 8, 124, 20));
}

// The sensor-scaling group from y down (72 units high); the sensor list at the name row's right.
void AddScalingGroup(CTemplateBuilder& t, int y, LPCTSTR lpszTemperature)
{
    t.Label(1295, _T("Sensor"), CRect(130, 10, 160, 20));
    t.List(IDC_SENSOR, CRect(165, 8, 282, 90),
           {_T("0 ... 10 V"), _T("0 ... 20 mA"), _T("4 ... 20 mA"), lpszTemperature, _T("No sensor")});
    t.Group(IDC_RANGE_GROUP, _T("Measurement Range"), CRect(7, y, 140, y + 44));
    t.Label(IDC_RANGE_MIN_LABEL, _T("Minimum"), CRect(12, y + 16, 58, y + 26));
    t.SpinEdit(IDC_RANGE_MIN, IDC_RANGE_MIN_SPIN, CRect(60, y + 14, 114, y + 26));
    t.Label(IDC_RANGE_MAX_LABEL, _T("Maximum"), CRect(12, y + 30, 58, y + 40));
    t.SpinEdit(IDC_RANGE_MAX, IDC_RANGE_MAX_SPIN, CRect(60, y + 28, 114, y + 40));
    t.Group(IDC_PARAM_GROUP, _T("Parameter"), CRect(147, y, 283, y + 44));
    t.Label(IDC_GAIN_LABEL, _T("Gain"), CRect(154, y + 16, 188, y + 26));
    t.SpinEdit(IDC_GAIN, IDC_GAIN_SPIN, CRect(192, y + 14, 246, y + 26), false);
    t.Label(IDC_OFFSET_LABEL, _T("Offset"), CRect(154, y + 30, 188, y + 40));
    t.SpinEdit(IDC_OFFSET, IDC_OFFSET_SPIN, CRect(192, y + 28, 246, y + 40));
    // The gain in hundredths, kept beside the gain for the range check of OK.
    t.HiddenEdit(IDC_GAIN_X100, CRect(260, y + 14, 280, y + 26));
    t.HiddenGroup(IDC_UNIT_GROUP, _T("Unit"), CRect(7, y + 46, 140, y + 70));
    t.Radio(IDC_CELSIUS, _T("Celsius"), CRect(14, y + 58, 70, y + 68), true, false);
    t.Radio(IDC_FAHRENHEIT, _T("Farenheit"), CRect(74, y + 58, 136, y + 68), false, false);
    t.HiddenGroup(IDC_RESOLUTION_GROUP, _T("Resolution"), CRect(147, y + 46, 283, y + 70));
    t.Radio(IDC_RESOLUTION_X1, _T("x 1"), CRect(154, y + 58, 200, y + 68), true, false);
    t.Radio(IDC_RESOLUTION_X01, _T("x 0.1"), CRect(206, y + 58, 260, y + 68), false, false);
}

void AddDecimalsRow(CTemplateBuilder& t, int y)
{
    t.Label(1351, _T("Decimals in the Message text"), CRect(10, y + 2, 142, y + 12));
    t.SpinEdit(IDC_DECIMALS, IDC_DECIMALS_SPIN, CRect(144, y, 162, y + 12));
    t.Edit(IDC_DECIMALS_SAMPLE, CRect(176, y, 232, y + 12), ES_READONLY);
}

// A parameter row: caption, value with spin and, when nRefID is given, its Reference box.
void AddLimitRow(CTemplateBuilder& t, int y, int nLabelID, LPCTSTR lpszCaption, int nEditID, int nSpinID, int nRefID)
{
    t.Label(nLabelID, lpszCaption, CRect(12, y + 2, 112, y + 12));
    t.SpinEdit(nEditID, nSpinID, CRect(116, y, 170, y + 12));
    if (nRefID)
        t.Check(nRefID, _T("Reference"), CRect(186, y + 1, 250, y + 11));
}

void AnalogComparator()
{
    CTemplateBuilder t(IDD_ANALOG_COMPARATOR, _T("Parameter"), CSize(290, 275));
    AddNameRow(t);
    AddScalingGroup(t, 28, _T("PT100/PT1000"));
    t.Group(IDC_LIMIT_GROUP, _T("Threshold"), CRect(7, 104, 283, 150));
    AddLimitRow(t, 118, IDC_LIMIT1_LABEL, _T("On"), IDC_LIMIT1, IDC_LIMIT1_SPIN, IDC_LIMIT1_REF);
    AddLimitRow(t, 134, IDC_LIMIT2_LABEL, _T("Off"), IDC_LIMIT2, IDC_LIMIT2_SPIN, IDC_LIMIT2_REF);
    AddDecimalsRow(t, 158);
    t.Check(IDC_RETENTIVE, _T("Retentivity"), CRect(10, 178, 100, 188), WS_GROUP);
    t.Check(IDC_PROTECTION, _T("Protection Active"), CRect(110, 178, 200, 188));
    t.Register();
}

void AnalogRamp()
{
    CTemplateBuilder t(IDD_ARAMP, _T("Parameter"), CSize(291, 318));
    AddNameRow(t);
    AddScalingGroup(t, 28, _T("PT100"));
    t.Group(IDC_LIMIT_GROUP, _T(""), CRect(7, 104, 283, 150));
    AddLimitRow(t, 118, IDC_LIMIT1_LABEL, _T("Level1(L1)"), IDC_LIMIT1, IDC_LIMIT1_SPIN, IDC_LIMIT1_REF);
    AddLimitRow(t, 134, IDC_LIMIT2_LABEL, _T("Level2(L2)"), IDC_LIMIT2, IDC_LIMIT2_SPIN, IDC_LIMIT2_REF);
    t.Label(-1, _T("Speed of change"), CRect(10, 160, 96, 170));
    t.SpinEdit(IDC_RAMP_SPEED, IDC_RAMP_SPEED_SPIN, CRect(100, 158, 154, 170));
    t.Label(-1, _T("Steps/second"), CRect(170, 160, 240, 170));
    t.Label(-1, _T("Largest output value"), CRect(10, 178, 96, 188));
    t.SpinEdit(IDC_RAMP_MAX_OUTPUT, IDC_RAMP_MAX_OUTPUT_SPIN, CRect(100, 176, 154, 188));
    t.Label(-1, _T("Start/Stop offset"), CRect(10, 196, 96, 206));
    t.SpinEdit(IDC_RAMP_START_STOP, IDC_RAMP_START_STOP_SPIN, CRect(100, 194, 154, 206));
    t.Label(-1, _T("(100ms)"), CRect(170, 196, 240, 206));
    AddDecimalsRow(t, 216);
    t.Check(IDC_PROTECTION, _T("Protection Active"), CRect(10, 236, 100, 246), WS_GROUP);
    t.Register();
}

void AMathMux()
{
    CTemplateBuilder t(IDD_AMATH_MUX, _T("Parameter"), CSize(235, 326));
    AddNameRow(t);
    for (int i = 0; i < AMATH_ROWS; ++i) {
        const int y = 30 + 56 * i;
        t.Push(IDC_AMATH_CAPTION[i], _T("V"), CRect(10, y, 82, y + 13));
        t.SpinEdit(IDC_AMATH_VALUE[i], IDC_AMATH_SPIN[i], CRect(86, y, 140, y + 13));
        t.Check(IDC_AMATH_REF[i], _T("Reference"), CRect(160, y + 1, 220, y + 11));
        if (i == AMATH_ROWS - 1)
            break;
        t.Label(IDC_AMATH_OP_LABEL[i], i == 0 ? _T("Operator 1") : i == 1 ? _T("Operator 2") : _T("Operator 3"),
                CRect(20, y + 20, 70, y + 30));
        t.List(IDC_AMATH_OP[i], CRect(74, y + 18, 110, y + 80), {_T("+"), _T("-"), _T("x"), _T("/")});
        t.Label(IDC_AMATH_PRIO_LABEL[i], i == 0 ? _T("Priority 1") : i == 1 ? _T("Priority 2") : _T("Priority 3"),
                CRect(124, y + 20, 170, y + 30));
        t.List(IDC_AMATH_PRIO[i], CRect(174, y + 18, 210, y + 70), {_T("L"), _T("M"), _T("H")});
    }
    AddDecimalsRow(t, 232);
    t.Label(IDC_AMATH_EN_LABEL, _T("When En=\"0\", output is"), CRect(10, 252, 118, 262));
    t.Radio(IDC_AMATH_EN_ZERO, _T("0"), CRect(120, 252, 144, 262), true);
    t.Radio(IDC_AMATH_EN_LAST, _T("Last Value"), CRect(148, 252, 220, 262), false);
    t.Check(IDC_PROTECTION, _T("Protection Active"), CRect(10, 270, 100, 280), WS_GROUP);
    t.Register();
}

void PiController()
{
    CTemplateBuilder t(IDD_PI, _T("Parameter"), CSize(292, 319));
    AddNameRow(t);
    AddScalingGroup(t, 28, _T("PT100/PT1000"));
    t.Group(IDC_LIMIT_GROUP, _T("Set value(SP)"), CRect(7, 104, 140, 134));
    t.SpinEdit(IDC_LIMIT1, IDC_LIMIT1_SPIN, CRect(14, 118, 68, 130));
    t.Check(IDC_LIMIT1_REF, _T("Reference"), CRect(82, 119, 137, 129), BS_PUSHLIKE);
    t.Group(IDC_PI_MQ_GROUP, _T("Manual output(Mq)"), CRect(147, 104, 283, 134));
    t.SpinEdit(IDC_LIMIT2, IDC_LIMIT2_SPIN, CRect(154, 118, 208, 130));
    t.Check(IDC_LIMIT2_REF, _T("Reference"), CRect(222, 119, 279, 129), BS_PUSHLIKE);
    t.Label(1296, _T("Parameter set"), CRect(10, 138, 70, 148));
    t.List(IDC_PI_PARAM_SET, CRect(74, 136, 170, 220),
           {_T("Temperature fast"), _T("Temperature slow"), _T("Pressure 1"), _T("Pressure 2"), _T("Full level 1"),
            _T("Full level 2"), _T("User defined")});
    t.Label(IDC_PI_KC_LABEL, _T("Controller amplification(KC)"), CRect(10, 156, 142, 166));
    t.SpinEdit(IDC_PI_KC, IDC_PI_KC_SPIN, CRect(144, 154, 190, 166), false);
    t.Check(IDC_PI_USE_TI, _T("Intergration time(TI)"), CRect(10, 174, 128, 184));
    t.SpinEdit(IDC_PI_TI_MINUTES, IDC_PI_TI_MINUTES_SPIN, CRect(144, 172, 166, 184));
    t.Label(IDC_PI_TI_COLON, _T(":"), CRect(178, 174, 182, 184));
    t.SpinEdit(IDC_PI_TI_SECONDS, IDC_PI_TI_SECONDS_SPIN, CRect(184, 172, 206, 184));
    t.Label(IDC_PI_TI_UNIT, _T("Minutes(m:s)"), CRect(220, 174, 285, 184));
    t.Label(IDC_PI_DIRECTION_LABEL, _T("Direction(Dir)"), CRect(10, 192, 80, 202));
    t.Radio(IDC_PI_UP, _T("Upwords(+)"), CRect(84, 192, 160, 202), true);
    t.Radio(IDC_PI_DOWN, _T("Downwords(-)"), CRect(166, 192, 250, 202), false);
    AddDecimalsRow(t, 210);
    t.Check(IDC_RETENTIVE, _T("Retentivity"), CRect(10, 230, 100, 240), WS_GROUP | WS_DISABLED);
    t.Check(IDC_PROTECTION, _T("Protection Active"), CRect(110, 230, 200, 240));
    t.Register();
}

void Pwm()
{
    CTemplateBuilder t(IDD_PWM, _T("Parameter"), CSize(292, 326));
    AddNameRow(t);
    AddScalingGroup(t, 28, _T("PT100/PT1000"));
    t.Group(IDC_LIMIT_GROUP, _T("Threshold"), CRect(7, 104, 283, 150));
    AddLimitRow(t, 118, IDC_LIMIT1_LABEL, _T("Range Min:"), IDC_LIMIT1, IDC_LIMIT1_SPIN, 0);
    AddLimitRow(t, 134, IDC_LIMIT2_LABEL, _T("Range Max:"), IDC_LIMIT2, IDC_LIMIT2_SPIN, 0);
    t.Group(IDC_PWM_TIME_GROUP, _T("Periodic time"), CRect(7, 154, 283, 184));
    t.SpinEdit(IDC_PWM_TIME_HIGH, IDC_PWM_TIME_HIGH_SPIN, CRect(14, 167, 40, 179));
    t.Label(IDC_PWM_TIME_COLON, _T(":"), CRect(52, 169, 56, 179));
    t.SpinEdit(IDC_PWM_TIME_LOW, IDC_PWM_TIME_LOW_SPIN, CRect(58, 167, 84, 179));
    t.List(IDC_PWM_TIME_BASE, CRect(100, 167, 200, 223),
           {_T("Hours(h:m)"), _T("Minutes(m:s)"), _T("Seconds(s:1/100s)")});
    t.Check(IDC_PWM_REF, _T("Reference"), CRect(210, 167, 276, 179), BS_PUSHLIKE);
    t.Group(IDC_PWM_OUTPUT_GROUP, _T("High Speed Out"), CRect(7, 188, 140, 218));
    t.List(IDC_PWM_OUTPUT, CRect(14, 201, 80, 268), {_T("Q0"), _T("Q1"), _T("Q2"), _T("Q3"), _T("Disable")});
    AddDecimalsRow(t, 224);
    t.Check(IDC_PROTECTION, _T("Protection Active"), CRect(10, 244, 100, 254), WS_GROUP);
    t.Register();
}

}  // namespace

void RegisterAnalogTemplates()
{
    AnalogComparator();
    AnalogRamp();
    AMathMux();
    PiController();
    Pwm();
}
