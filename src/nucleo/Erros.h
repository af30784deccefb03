#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

// A failure of a single value, or a finding of a check: a catalogue code with its arguments
// (separated by ';'), a kind (0 warning, 1 error, 2 information, 3 confirmation) and, for the
// findings of the verification, the keys that lead back to the field.
class TErro : public std::exception {
 public:
  static constexpr uint16_t kBotaoOk = 1u << 2;
  static constexpr uint16_t kBotaoAjuda = 1u << 10;

  TErro(uint16_t codigo, const QString& argumentos = {}, int contextoAjuda = 0);
  static TErro CreateCompleto(uint16_t codigo, const QString& argumentos, uint8_t tipo,
                              uint16_t botoes, int contextoAjuda);
  // When the program-wide warning cap is reached and the kind is not an error, the finding
  // is created empty (no text, code 0, kind 0, no keys).
  static std::unique_ptr<TErro> CreatePendencia(uint16_t codigo, const QString& argumentos,
                                                uint8_t tipo, uint16_t botoes, int contextoAjuda,
                                                const QString& aQuemPertence,
                                                const QString& quemEh, uint8_t objeto);

  const char* what() const noexcept override { return m_utf8.constData(); }

  uint16_t Codigo() const { return m_codigo; }
  const QString& Argumentos() const { return m_argumentos; }
  uint8_t Tipo() const { return m_tipo; }
  uint16_t Botoes() const { return m_botoes; }
  int ContextoAjuda() const { return m_contextoAjuda; }
  const QString& AQuemPertence() const { return m_aQuemPertence; }
  const QString& QuemEh() const { return m_quemEh; }
  uint8_t Objeto() const { return m_objeto; }

  // The exception's message text: the formatted message given at construction.
  const QString& Mensagem() const { return m_mensagem; }
  QString GetTextoCodigo() const { return TextoMensagem(m_codigo); }
  QString GetMensagem() const { return FormataMensagem(m_codigo, m_argumentos); }
  int Mostra() const;

  static QString TextoMensagem(int codigo);
  static QString FormataMensagem(int codigo, const QString& argumentos);
  // Shows through the message box; returns 1, 6, 7 or 0 (nothing shown).
  static int MostraTexto(const QString& texto, int tipo, int contextoAjuda = 0, int botoes = kBotaoOk);

 protected:
  void defineMensagem(const QString& texto);

 private:
  TErro() = default;

  uint16_t m_codigo = 0;
  QString m_argumentos;
  uint8_t m_tipo = 1;
  uint16_t m_botoes = kBotaoOk;
  int m_contextoAjuda = 0;
  QString m_aQuemPertence;
  QString m_quemEh;
  uint8_t m_objeto = 0;
  QString m_mensagem;
  QByteArray m_utf8;
};

// Descendants that add nothing but their class. Their CreateCompleto and CreatePendencia make
// objects of the descendant, so a list of findings keeps each finding's class.
#define TOLV_ERRO_DERIVADO(Nome)                                                                    \
  class Nome : public TErro {                                                                       \
   public:                                                                                          \
    using TErro::TErro;                                                                             \
    Nome(const TErro& e) : TErro(e) {}                                                              \
    static Nome CreateCompleto(uint16_t codigo, const QString& argumentos, uint8_t tipo,            \
                               uint16_t botoes, int contextoAjuda) {                                \
      return Nome(TErro::CreateCompleto(codigo, argumentos, tipo, botoes, contextoAjuda));          \
    }                                                                                               \
    static std::unique_ptr<Nome> CreatePendencia(uint16_t codigo, const QString& argumentos,        \
                                                 uint8_t tipo, uint16_t botoes, int contextoAjuda,  \
                                                 const QString& aQuemPertence,                      \
                                                 const QString& quemEh, uint8_t objeto) {           \
      return std::make_unique<Nome>(*TErro::CreatePendencia(codigo, argumentos, tipo, botoes,       \
                                                            contextoAjuda, aQuemPertence, quemEh,   \
                                                            objeto));                               \
    }                                                                                               \
  };
TOLV_ERRO_DERIVADO(EContribuinteInvalido)
TOLV_ERRO_DERIVADO(ETipoDataEventoInvalida)
TOLV_ERRO_DERIVADO(EFoneInvalido)
TOLV_ERRO_DERIVADO(EEmailInvalido)
TOLV_ERRO_DERIVADO(EMonetarioInvalido)
TOLV_ERRO_DERIVADO(EMunicipioInvalido)

// Hook called after a message of kind 1 was shown (registered once by the main window).
void DefineCallbackErro(std::function<void()> gancho);

// What the message display needs of two windows of the program: while the verification window
// is open, messages stay silent; the search window is minimized before any message shows.
namespace JanelasMensagem {
void DefineVerificacaoAberta(bool aberta);
bool VerificacaoAberta();
void DefineMinimizaPesquisa(std::function<void()> minimiza);  // empty when no search window
}  // namespace JanelasMensagem

// A list of findings. Owns what it keeps. Every construction resets the program-wide warning cap.
class TErros {
 public:
  explicit TErros(bool limitaAvisos = false);

  void Adiciona(std::unique_ptr<TErro> erro);
  const TErro& GetErro(int indice) const { return *m_itens[indice]; }
  int GetQuantidade() const { return int(m_itens.size()); }
  void Limpa();
  bool ContemCodigo(uint16_t codigo) const;
  // Takes every item with the code out of the list and hands them back.
  std::vector<std::unique_ptr<TErro>> RemoveCodigo(uint16_t codigo);
  bool SemErros() const { return m_semErros; }

  static int GetLimiteErros();
  static int GetLimiteAvisos();
  static bool LimiteAvisosAtingido();

 private:
  std::vector<std::unique_ptr<TErro>> m_itens;
  bool m_semErros = true;
  bool m_limitaAvisos;
};
