#include "nucleo/NomeContribuinte.h"

#include "nucleo/Erros.h"
#include "nucleo/UtilTexto.h"

namespace {
constexpr uint16_t kNomeEmpresarialIncompleto = 50;
constexpr uint16_t kNomeMinimoDuasLetras = 75;
constexpr uint16_t kNomeMaximoQuinzePartes = 76;
constexpr uint16_t kParteMaximoVinte = 78;
constexpr uint16_t kRepeticaoQuatro = 79;
constexpr uint16_t kAlgarismosNoNome = 80;
constexpr uint16_t kCaracteresInvalidos = 81;
constexpr uint16_t kCaracteresInvalidosPessoa = 82;
constexpr uint16_t kCaracteresInvalidosEmpresa = 83;

// À Á Â Ã Ç É Ê Í Ó Ô Õ Ú Ü and their lower-case forms.
constexpr char16_t kAcentuadas[] = u"ÀÁÂÃÇÉÊÍÓÔÕÚÜàáâãçéêíóôõúü";
constexpr char16_t kSinaisEmpresa[] = u"!&'()*+,-./:<>?@_`";

bool ehPessoa(uint8_t tipo) { return tipo == 1; }

bool permitido(QChar c, uint8_t tipo) {
  return ehPessoa(tipo) ? TNomeContribuinte::PermitidoPessoa(c) : TNomeContribuinte::PermitidoEmpresa(c);
}

// Trims and turns every run of blanks into one.
QString semBrancosDuplos(const QString& nome) {
  // Most names are trimmed with single blanks already: those are kept as they are, not copied.
  bool normal = nome.isEmpty() || (nome.front().unicode() > u' ' && nome.back().unicode() > u' ');
  for (qsizetype i = 1; normal && i < nome.size(); ++i)
    if (nome[i] == u' ' && nome[i - 1] == u' ') normal = false;
  if (normal) return nome;
  const QString aparado = Apara(nome);
  QString saida;
  saida.reserve(aparado.size());
  for (QChar c : aparado)
    if (c != u' ' || saida.isEmpty() || saida.back() != u' ') saida += c;
  return saida;
}

bool quatroIguaisSeguidos(QStringView palavra) {
  int seguidos = 1;
  for (qsizetype i = 1; i < palavra.size(); ++i) {
    seguidos = palavra[i] == palavra[i - 1] ? seguidos + 1 : 1;
    if (seguidos >= 4) return true;
  }
  return false;
}

}  // namespace

bool TNomeContribuinte::EhLetra(QChar c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || QStringView(kAcentuadas).contains(c);
}

bool TNomeContribuinte::PermitidoPessoa(QChar c) { return c == u' ' || EhLetra(c); }

bool TNomeContribuinte::PermitidoEmpresa(QChar c) {
  return c == u' ' || (c >= u'0' && c <= u'9') || EhLetra(c) || QStringView(kSinaisEmpresa).contains(c);
}

int TNomeContribuinte::ValidaNome(QString& nome, uint8_t tipo, bool opcional) {
  if (opcional && nome.isEmpty()) return 0;
  if (tipo == 3) return 0;
  nome = semBrancosDuplos(nome);
  if (!ehPessoa(tipo)) {
    for (QChar c : nome)
      if (!PermitidoEmpresa(c)) return kCaracteresInvalidos;
    if (nome.size() < 4) return kNomeEmpresarialIncompleto;
    for (QChar c : nome)
      if (EhLetra(c)) return 0;
    return kNomeEmpresarialIncompleto;
  }
  for (QChar c : nome) {
    if (c >= u'0' && c <= u'9') return kAlgarismosNoNome;
    if (!PermitidoPessoa(c)) return kCaracteresInvalidos;
  }
  if (nome.size() - nome.count(u' ') < 2) return kNomeMinimoDuasLetras;
  if (ContaPalavras(nome) > 15) return kNomeMaximoQuinzePartes;
  for (qsizetype inicio = 0, fim = 0; inicio < nome.size(); inicio = fim) {
    while (inicio < nome.size() && nome[inicio] == u' ') ++inicio;
    for (fim = inicio; fim < nome.size() && nome[fim] != u' ';) ++fim;
    const QStringView palavra = QStringView(nome).mid(inicio, fim - inicio);
    if (palavra.size() > 20) return kParteMaximoVinte;
    if (quatroIguaisSeguidos(palavra)) return kRepeticaoQuatro;
  }
  return 0;
}

void TNomeContribuinte::SetValor(const QString& nome) {
  SetOpcional(true);
  QString normalizado = nome;
  const int codigo = ValidaNome(normalizado, m_tipo, true);
  if (codigo == kCaracteresInvalidos) {
    QString invalidos = QStringLiteral(" ");
    for (QChar c : Apara(nome))
      if (!permitido(c, m_tipo)) invalidos += QString(c) + u' ';
    throw EContribuinteInvalido(ehPessoa(m_tipo) ? kCaracteresInvalidosPessoa : kCaracteresInvalidosEmpresa,
                                invalidos);
  }
  if (codigo) throw EContribuinteInvalido(uint16_t(codigo), normalizado);
  m_nome = normalizado;
  NotificaAlteracao();
}

void TNomeContribuinte::SetNomeComErro(const QString& nome) {
  QString normalizado = nome;
  const int codigo = ValidaNome(normalizado, m_tipo, GetOpcional());
  m_nome = normalizado;
  NotificaAlteracao();
  if (codigo && m_erros) m_erros->Adiciona(std::make_unique<EContribuinteInvalido>(uint16_t(codigo), m_nome));
}

void TNomeContribuinte::Limpar() {
  m_nome.clear();
  NotificaAlteracao();
}
