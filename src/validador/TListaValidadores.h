#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// One entry of the validator catalogue: the rule's name, its severity and the message that the
// findings log shows (it may hold "%s" places).
struct TRegraNegocio {
  static constexpr uint8_t kAviso = 1;
  static constexpr uint8_t kErro = 2;

  QStringView nome;
  uint8_t severidade = kErro;
  QString mensagem;
};

// The catalogue of validators, one entry per rule name, in a fixed order (TValidadorAnalise).
// Each run owns its own copy: the messages that rules replace before failing stay replaced
// only for that run.
class TListaValidadores {
 public:
  static constexpr int kQuantidade = 146;

  TListaValidadores();

  // The ordinal of a name, compared without regard to case; -1 when the catalogue lacks it.
  static int Indice(QStringView nome);
  // The name and the message an entry starts with.
  static QStringView NomeOriginal(int ordinal);
  static QString MensagemOriginal(int ordinal);

  const TRegraNegocio& Validador(int ordinal) const { return m_itens[size_t(ordinal)]; }
  void SetMensagem(int ordinal, const QString& texto) { m_itens[size_t(ordinal)].mensagem = texto; }
  void SetMensagem(QStringView nome, const QString& texto);

  // The message with its "%s" places filled by the ';'-separated arguments in turn; a place
  // without an argument goes together with the character after it. A full stop ends the text
  // unless it holds "?" or already ends in one.
  static QString FormataMensagem(const QString& mensagem, const QString& argumentos);

 private:
  std::array<TRegraNegocio, kQuantidade> m_itens;
};

// Ordinals of the catalogue entries that the program names in code.
namespace Validador {
inline constexpr int ER_RegistroDesconhecido = 1;
inline constexpr int ER_RegistroTOLV = 2;
inline constexpr int ER_NumeroDeDelimitadores = 3;
inline constexpr int ER_DeclaracaoValida = 4;
inline constexpr int ER_FimDeclaracaoValido = 5;
inline constexpr int ER_NumerodeCamposRegistro = 10;
inline constexpr int Max_Erros_Avisos = 11;
inline constexpr int ER_TamanhoMaximo = 12;
inline constexpr int ER_Obrigatorio = 13;
inline constexpr int ER_Formato = 14;
inline constexpr int ER_ConteudoObrigatorio = 16;
inline constexpr int ER_Preenchimento = 17;
inline constexpr int ER_RegistroPai = 18;
inline constexpr int ER_RegistroAnterior = 27;
inline constexpr int ER_JaExisteTitular = 49;
inline constexpr int ER_ExisteBeneficiarioInf = 123;
inline constexpr int ER_ExisteRemessa = 124;
}  // namespace Validador
