object MainForm: TMainForm
  Left = 305
  Top = 77
  Width = 873
  Height = 751
  Align = alClient
  Caption = 'Setup'
  Color = clWhite
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  Position = poDesigned
  WindowState = wsMaximized
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object BoardImage1: TBoardImage
    Left = 142
    Top = 80
    Width = 600
    Height = 536
    AutoSize = False
    Picture.Resource = ':/assets/board.jpg'
    Stretch = True
    First = PowerHighlight0
    Menu = MainMenu1
    object PowerHighlight0: TBoardHighlight
      Left = 36
      Top = 304
      Width = 74
      Height = 80
      HighlightType = htOptions
      RadioPanel = PowerPanel
      Title = 'Main/VBB &Power'
    end
    object PowerHighlight1: TBoardHighlight
      Left = 0
      Top = 386
      Width = 107
      Height = 76
      HighlightType = htOptions
      RadioPanel = PowerPanel
      Title = 'Main/VBB &Power'
    end
    object IPHighlight: TBoardHighlight
      Left = 213
      Top = 114
      Width = 102
      Height = 102
      RadioPanel = IPPanel
      Title = '&IP Address'
    end
    object ETHHighlight: TBoardHighlight
      Left = 0
      Top = 186
      Width = 133
      Height = 101
      HighlightType = htOptions
      RadioPanel = ETHPanel
      Title = '&Ethernet Connector'
    end
    object LedHighlight: TBoardHighlight
      Left = 0
      Top = 93
      Width = 113
      Height = 50
      HighlightType = htOptions
      RadioPanel = LEDPanel
      Title = 'Power/Activity &LED'
    end
    object MolexHighlight: TBoardHighlight
      Left = 516
      Top = 49
      Width = 76
      Height = 49
      HighlightType = htOptions
      RadioPanel = IDO0Panel
      Title = '&First Digital Connector'
    end
    object DataHighlight: TBoardHighlight
      Left = 446
      Top = 179
      Width = 152
      Height = 222
      HighlightType = htOptions
      RadioPanel = IDO17Panel
      Title = '&Main Digital Connector'
    end
  end
  object PowerPanel: TRadioPanel
    Left = 264
    Top = 416
    Width = 313
    Height = 161
    TabOrder = 1
    Lines.Strings = (
      '12V power is provided via one or the other of these connectors. Th' +
        'is is both main board power and VBB for the digital outputs.')
    object Image1: TImage
      Left = 100
      Top = 104
      Width = 112
      Height = 48
      AutoSize = True
      Picture.Resource = ':/assets/powerjack.bmp'
    end
    object PowerScrewPaint: TPaintBox
      Left = 128
      Top = 8
      Width = 57
      Height = 65
      OnPaint = PowerScrewPaintPaint
    end
    object OrLabel: TLabel
      Left = 136
      Top = 80
      Width = 41
      Height = 17
      Alignment = taCenter
      AutoSize = False
      Caption = 'or'
    end
    object Label2: TLabel
      Left = 24
      Top = 16
      Width = 97
      Height = 17
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'V In / VBB'
    end
    object Label3: TLabel
      Left = 24
      Top = 48
      Width = 97
      Height = 17
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'Ground'
    end
  end
  object IDO0Panel: TRadioPanel
    Left = 744
    Top = 96
    Width = 201
    Height = 9
    TabOrder = 2
    Lines.Strings = (
      'This 2-pin Molex connector has the first isolated digital output,' +
        ' IDO 0.')
  end
  object ETHPanel: TRadioPanel
    Left = -72
    Top = 296
    Width = 201
    Height = 9
    TabOrder = 3
    Lines.Strings = (
      'The ethernet connector on this board is a standard RJ-45 socket.')
  end
  object IDO17Panel: TRadioPanel
    Left = 744
    Top = 304
    Width = 201
    Height = 9
    TabOrder = 4
    Lines.Strings = (
      'This 15-pin Molex connector has the last seven isolated digital o' +
        'utputs, IDO 1 through IDO 7.')
  end
  object LEDPanel: TRadioPanel
    Left = -72
    Top = 152
    Width = 201
    Height = 9
    TabOrder = 5
    Lines.Strings = (
      'This LED is on to indicate power, and flickers to indicate activi' +
        'ty.')
  end
  object IPPanel: TRadioPanel
    Left = 264
    Top = 8
    Width = 345
    Height = 89
    TabOrder = 6
    object Label1: TLabel
      Left = 80
      Top = 8
      Width = 49
      Height = 21
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'IP'
      Layout = tlCenter
    end
    object Label4: TLabel
      Left = 80
      Top = 32
      Width = 49
      Height = 21
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'Subnet'
      Layout = tlCenter
    end
    object Label5: TLabel
      Left = 80
      Top = 56
      Width = 49
      Height = 21
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'Gateway'
      Layout = tlCenter
    end
    object ConnectButton: TButton
      Left = 8
      Top = 8
      Width = 73
      Height = 25
      Caption = 'Connect'
      TabOrder = 0
      OnClick = ConnectButtonClick
    end
    object IPEdit: TEdit
      Left = 136
      Top = 8
      Width = 121
      Height = 21
      TabOrder = 1
      Text = '192.168.1.174'
    end
    object SubnetEdit: TEdit
      Left = 136
      Top = 32
      Width = 121
      Height = 21
      TabOrder = 2
      Text = '255.255.0.0'
    end
    object GatewayEdit: TEdit
      Left = 136
      Top = 56
      Width = 121
      Height = 21
      TabOrder = 3
      Text = '192.168.1.1'
    end
    object ChangeNetButton: TButton
      Left = 264
      Top = 8
      Width = 73
      Height = 73
      Caption = 'Change'
      Enabled = False
      TabOrder = 4
      OnClick = ChangeNetButtonClick
    end
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Exit2: TMenuItem
        Caption = '&Exit'
        OnClick = Exit2Click
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object Howtousethisprogram1: TMenuItem
        Caption = 'H&ow to use this program'
        OnClick = Howtousethisprogram1Click
      end
      object TechnicalSupport1: TMenuItem
        Caption = '&Technical Support'
        OnClick = TechnicalSupport1Click
      end
    end
  end
  object SetSup: TSetupSupporter
    CompanyName = 'TALVEN'
    CardNameA = 'VEXA-K8'
    CardNameB = 'VEXAK8'
    CallHow = 'between 8 am and 5 pm Pacific Time at 1-800-555-0148'
    ChangeButtons = True
    bSeries = False
  end
end
