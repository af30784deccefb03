#include "relatorios/TextosRelatorio.h"

#include "nucleo/NiContribuinte.h"
#include "nucleo/Responsavel.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilTexto.h"

namespace TextosRelatorio {

namespace {

const QString kDataEvento = QStringLiteral("Data do evento: ");
// The date the database keeps for "no date".
const QString kSemData = QStringLiteral("30/12/1899");

QString dataGuardada(const QString& data) { return data == kSemData ? QString() : data.trimmed(); }

QString palavrasCapitalizadas(const QString& texto) {
  QString r;
  const int n = ContaPalavras(texto);
  for (int i = 1; i <= n; ++i) r += PalavraCapitalizada(texto, i) + u' ';
  return r;
}

}  // namespace

QString Tipo(const QString& tipoDeclaracao) {
  if (tipoDeclaracao == u"O") return QStringLiteral("Tipo: Original");
  if (tipoDeclaracao == u"R") return QStringLiteral("Tipo: Retificadora");
  return {};
}

QString Ano(const QString& ano) { return QStringLiteral("Ano-calendário: ") + ano; }

QString Evento(RegraEvento regra, int tipoNi, uint8_t situacaoEspecial, const QString& data, uint8_t tipoEvento) {
  const QString guardada = dataGuardada(data);
  if (tipoNi == kNiCnpj) {
    if (!situacaoEspecial) return {};
    return kDataEvento + guardada + QStringLiteral("  -   Extinção");
  }
  if (tipoNi != kNiCpf) return {};
  if (regra == RegraEvento::A) {
    // The person's rule A does not look at the special situation.
    if (tipoEvento == 1) return kDataEvento + guardada + QStringLiteral("  -   Encerramento de espólio");
    if (tipoEvento == 2) return kDataEvento + guardada + QStringLiteral("  -   Saída definitiva do país");
    return {};
  }
  if (!situacaoEspecial) return {};
  QString texto = kDataEvento + guardada;
  if (tipoEvento == 1) texto += QStringLiteral(" - Encerramento de espólio");
  if (tipoEvento == 2) texto += QStringLiteral(" - Saída definitiva do país");
  return texto;
}

QString Evento(RegraEvento regra, const TTolv& tolv) {
  return Evento(regra, tolv.GetContribuinte().GetTipo(), tolv.GetSituacaoEspecial(), tolv.GetDataEvento(),
                tolv.GetTipoEvento());
}

QString TituloNome(int tipoNi, bool doisPontos) {
  const QString t = tipoNi == kNiCnpj ? QStringLiteral("Nome empresarial") : QStringLiteral("Nome");
  return doisPontos ? t + u':' : t;
}

QString TituloNumero(int tipoNi, bool doisPontos) {
  const QString t = tipoNi == kNiCnpj ? QStringLiteral("CNPJ") : QStringLiteral("CPF");
  return doisPontos ? t + u':' : t;
}

QStringList LinhasNome(const QString& nome, int porLinha, int linhas) {
  QStringList r;
  for (int i = 0; i < linhas; ++i) {
    const QString parte = nome.mid(i * porLinha, porLinha);
    if (i > 0 && parte.isEmpty()) break;
    r << parte;
  }
  return r;
}

QString NomeCapitalizado(const QString& nome) { return palavrasCapitalizadas(NormalizaTexto(nome, true)); }

QString EmailCapitalizado(const QString& email) { return palavrasCapitalizadas(email); }

Responsavel DoResponsavel(const TResponsavel& responsavel) {
  Responsavel r;
  if (responsavel.GetNiDigitos().isEmpty()) return r;
  r.cpf = responsavel.GetNiFormatado();
  r.nome = NomeCapitalizado(responsavel.GetNome().GetValor());
  r.ddd = responsavel.GetFone().GetDDD().GetFormatado();
  r.fax = responsavel.GetFax().GetNumero().GetFormatado();
  r.email = EmailCapitalizado(responsavel.GetEmail().GetValor());
  r.ramal = responsavel.GetFone().GetRamal().GetValor();
  r.telefone = responsavel.GetFone().GetNumero().GetFormatado();
  return r;
}

QString Declarante(const QString& niFormatado) { return QStringLiteral("Declarante: ") + niFormatado; }

QString Pagina(int numero, int total) {
  return total > 0 ? QStringLiteral("Página %1 de %2").arg(numero).arg(total) : QStringLiteral("Página %1").arg(numero);
}

}  // namespace TextosRelatorio
